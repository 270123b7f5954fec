<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>DAllKeysShowPage</source>
        <translation>DAllKeysShowPage</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Обычные клавиши</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Специальные клавиши</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>99999 MS</source>
        <translation>99999 MS</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>Связь:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Назначить профиль</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>DCustomKeysPage</source>
        <translation>DCustomKeysPage</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Функция:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основной слой</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Слой FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Custom Light Item</translation>
    </message>
</context>
<context>
    <name>DDeviceListItem</name>
    <message>
        <source>DDeviceListItem</source>
        <translation>DDeviceListItem</translation>
    </message>
    <message>
        <source>FL</source>
        <translation>FL</translation>
    </message>
    <message>
        <source>VORLAN888</source>
        <translation>VORLAN888</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>DDevicePage</source>
        <translation>DDevicePage</translation>
    </message>
    <message>
        <source>产品列表</source>
        <translation>Список продуктов</translation>
    </message>
    <message>
        <source>https://osterlin.example/</source>
        <translation>https://osterlin.example/</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Проверка клавиш</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Сменить основной режим</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>1.0</source>
        <translation>1.0</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Уровень заряда</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Устройство не подключено</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoItem</name>
    <message>
        <source>DFirwareInfoItem</source>
        <translation>DFirwareInfoItem</translation>
    </message>
    <message>
        <source>Chip,Model</source>
        <translation>Chip,Model</translation>
    </message>
    <message>
        <source>Version---Text</source>
        <translation>Version---Text</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>DFirwareInfoShow</source>
        <translation>DFirwareInfoShow</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Сведения о прошивке</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Горячие клавиши</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показать рабочий стол</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокировать компьютер</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Мой компьютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>DKeyCalibrationExplainDia</source>
        <translation>DKeyCalibrationExplainDia</translation>
    </message>
    <message>
        <source>1.Explain</source>
        <translation>1.Explain</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Explain</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Explain</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Explain</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Explain</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Explain</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Функции клавиатуры</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Блокировать/разблокировать Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Блокировать Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Разблокировать Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Блокировать клавиатуру</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Проверка заряда</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основной слой</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Слой FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Слой FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Переключить на USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Переключить на 2.4G</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Выбор приложения</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Выберите путь к приложению</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Выбрать приложение</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Введите текст...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Подсветка клавиатуры</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Общие режимы</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Интерактивные режимы</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Все режимы</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичный</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яркость +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яркость -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Скорость +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Скорость -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Направление +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Направление -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Направление по кругу</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Полноцветный</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Сменить верхний цвет</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Сменить нижний цвет</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Выключить все</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Выключить подсветку</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Остановить подсветку</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Запись подсветки</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Пользовательская 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Пользовательская 2</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>DLightsConfigPage</source>
        <translation>DLightsConfigPage</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Яркость:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Направление:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Режим подсветки</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Полноцветный</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхний цвет</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижний цвет</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>255</source>
        <translation>255</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Пользовательская подсветка</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Войти</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Способ воспроизведения</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Воспроизвести один раз</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Воспроизвести несколько раз</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Непрерывное воспроизведение вкл./выкл.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Воспроизводить, пока клавиша нажата</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Число повторов</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Число повторов 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Назначить макрос</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Macro01</source>
        <translation>Macro01</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Назначен</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>DMacroPage</source>
        <translation>DMacroPage</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Запись макроса</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Группа макросов</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Настройка задержки</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Записывать задержки</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Без задержки</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Задержка по умолчанию</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>MS</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Список событий</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Запись пуста</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Вставка события</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Вставить событие после</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Вставить событие перед</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Событие клавиатуры</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Событие мыши</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Нажмите клавишу</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Левый щелчок</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Средний щелчок</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правый щелчок</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Введите значение задержки</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Нажатие клавиши</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>&amp;Свернуть</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>&amp;Развернуть</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>DMainWidget</source>
        <translation>DMainWidget</translation>
    </message>
    <message>
        <source>VORLAN</source>
        <translation>VORLAN</translation>
    </message>
    <message>
        <source>HID</source>
        <translation>HID</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>V1.0.0.0.1</source>
        <translation>V1.0.0.0.1</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Кнопки мыши</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Левая кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Средняя кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Правая кнопка мыши</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперед</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперская кнопка</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Прокрутка вверх</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Следующий трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Предыдущий трек</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Громкость +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Громкость -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Проигрыватель</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Почта</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Яркость экрана+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Яркость экрана-</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>DPerformancePage</source>
        <translation>DPerformancePage</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>При блокировке Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Отключить клавишу Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Отключить SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Отключить ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Отключить ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Спящий режим подсветки через:</translation>
    </message>
    <message>
        <source>666</source>
        <translation>666</translation>
    </message>
    <message>
        <source>0~60000</source>
        <translation>0~60000</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>сек.</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Спящий режим клавиатуры через:</translation>
    </message>
    <message>
        <source>333</source>
        <translation>333</translation>
    </message>
    <message>
        <source>5~1000</source>
        <translation>5~1000</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>мин.</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Запретить спящий режим</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Свойства клавиатуры</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Сбросить текущий профиль</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>DProfileMenuToolWidget</source>
        <translation>DProfileMenuToolWidget</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Переименовать</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>NULL</source>
        <translation>NULL</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DSeniorKeyEventListItem</name>
    <message>
        <source>DSeniorKeyEventListItem</source>
        <translation>DSeniorKeyEventListItem</translation>
    </message>
    <message>
        <source>DKS</source>
        <translation>DKS</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <source>DSeniorKeysBindingPage</source>
        <translation>DSeniorKeysBindingPage</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Расширенные клавиши</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>DSeniorKeysPage</source>
        <translation>DSeniorKeysPage</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Расширенные клавиши</translation>
    </message>
    <message>
        <source>DKS</source>
        <translation>DKS</translation>
    </message>
    <message>
        <source>MT</source>
        <translation>MT</translation>
    </message>
    <message>
        <source>TGL</source>
        <translation>TGL</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>1.0mm</source>
        <translation>1.0mm</translation>
    </message>
    <message>
        <source>2.0mm</source>
        <translation>2.0mm</translation>
    </message>
    <message>
        <source>3.0mm</source>
        <translation>3.0mm</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Клавиша выполняет две функции: одну при удержании, другую при коротком нажатии.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Удержание</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Нажатие</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Длительность удержания</translation>
    </message>
    <message>
        <source>1000MS</source>
        <translation>1000MS</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Нажатие клавиши включает или выключает непрерывное срабатывание.</translation>
    </message>
    <message>
        <source>10/40</source>
        <translation>10/40</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Список расширенных клавиш пуст</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Одна клавиша</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Достигнуто максимальное число расширенных клавиш</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Расширенная клавиша создана</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Расширенная клавиша удалена</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>DSeniorKeysRecordExplainDia</source>
        <translation>DSeniorKeysRecordExplainDia</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Если выбрано «Одна клавиша», просто нажмите нужную клавишу, чтобы завершить настройку; 
Если выбрано «Сочетание клавиш», для ввода сочетания выберите хотя бы одну клавишу-модификатор и еще одну клавишу, например L_Shift+A или L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>Если выбрано «Одна клавиша», просто нажмите нужную клавишу, чтобы завершить настройку;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Если выбрано «Сочетание клавиш», для ввода сочетания выберите хотя бы одну клавишу-модификатор и еще одну клавишу, например L_Shift+A или L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Клавиша может выполнять четыре функции: к четырем разным глубинам нажатия можно привязать от 1 до 4 функций.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Клавиша выполняет две функции: одну при удержании, другую при коротком нажатии.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Нажатие клавиши включает или выключает непрерывное срабатывание.</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>DSettingsDia</source>
        <translation>DSettingsDia</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фоновое изображение</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускать программу при старте системы (в свернутом виде)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Сворачивать в трей при закрытии</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Проверить обновления прошивки</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Магазин Taobao</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Обратная связь</translation>
    </message>
    <message>
        <source>Vorlan</source>
        <translation>Vorlan</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Программное обеспечение</translation>
    </message>
    <message>
        <source>Company Name Placeholder</source>
        <translation>Company Name Placeholder</translation>
    </message>
    <message>
        <source>V_2022.07.14.0001</source>
        <translation>V_2022.07.14.0001</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>https://example.invalid/</source>
        <translation>https://example.invalid/</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темная</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синяя</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Розовая</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другая</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
</context>
<context>
    <name>DSideLightCustomEventPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Боковая подсветка</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Все режимы</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Общие режимы</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Интерактивные режимы</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яркость +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яркость -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Скорость +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Скорость -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Полноцветный</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Сменить верхний цвет</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Сменить нижний цвет</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Выключить подсветку</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Остановить подсветку</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Кор/Англ</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Кит.</translation>
    </message>
    <message>
        <source>K14</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>K45</source>
        <translation>\|</translation>
    </message>
    <message>
        <source>K56</source>
        <translation>\ ろ</translation>
    </message>
    <message>
        <source>K131</source>
        <translation>無変換</translation>
    </message>
    <message>
        <source>K132</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>K133</source>
        <translation>かな</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>DStrokeConfigView</source>
        <translation>DStrokeConfigView</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Точки срабатывания для действий DKS</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>DTriggerSettingPage</source>
        <translation>DTriggerSettingPage</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Быстрое срабатывание</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Настройте ход до точки срабатывания и ход до точки сброса в зависимости от того, как вы нажимаете и отпускаете клавишу.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Раздельная чувствительность</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Для быстрого срабатывания можно отдельно задать ход при нажатии (срабатывание) и при отпускании (сброс).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Нажатие/отпускание</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Нажатие</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Отпускание</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Подавление дребезга</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Частота опроса</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Режим калибровки</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Начать калибровку</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Калибровка всех клавиш</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Отслеживание хода</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Сбросить чувствительность</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>DUpdateFirmwareDia</source>
        <translation>DUpdateFirmwareDia</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Обновление прошивки</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>DVirtualKeyboardTool</source>
        <translation>DVirtualKeyboardTool</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Виртуальная клавиатура</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation>Выход из программы</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Конфликт: программа прекратила работу!</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Громкость +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Громкость -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Следующий трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Предыдущий трек</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Проигрыватель</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Почта</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Яркость экрана+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Яркость экрана-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Левая кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Средняя кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Правая кнопка мыши</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Прокрутка вверх</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперед</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперская кнопка</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Переключение окон</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показать рабочий стол</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Мой компьютер</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокировать компьютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Блокировать/разблокировать Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Блокировать Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Разблокировать Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основной слой</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Слой FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Слой FN1</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Общие режимы</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Интерактивные режимы</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Все режимы</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичный</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яркость +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яркость -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Скорость +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Скорость -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Направление +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Направление -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Направление по кругу</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Полноцветный</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Сменить верхний цвет</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Сменить нижний цвет</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Пользовательская 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Пользовательская 2</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Блокировать клавиатуру</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Проверка заряда</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Переключить на 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Переключить на USB</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Выключить все</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Выключить подсветку</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Остановить подсветку</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Запись подсветки</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Выключить боковую подсветку</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Остановить боковую подсветку</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Переназначить клавишу</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Сменить профиль</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Запуск приложения</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Горячие клавиши</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Функции клавиатуры</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Расширенные клавиши</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Подсветка клавиатуры</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Боковая подсветка</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Список устройств</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Устройство не подключено</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Идет калибровка всех клавиш...</translation>
    </message>
    <message>
        <source>Please press all keys</source>
        <translation>Нажмите все клавиши</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Назначение клавиш</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Настройка подсветки</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Производительность</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Срабатывание</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Устройство не в сети</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Это устройство уже открыто</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Выполняется калибровка клавиш</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Идет калибровка клавиш, подождите</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Настройки загружены в клавиатуру</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Не удалось загрузить настройки в клавиатуру. Повторите попытку</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>На какую клавишу?</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Сначала выберите клавишу</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Операция выполнена</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Не удалось применить: текст не задан</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Функция:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Какие клавиши ввести?</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Легкое нажатие</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильное нажатие</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Сначала включите режим калибровки клавиш</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Калибровка клавиш выполнена</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Ошибка калибровки клавиш</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Достигнуто максимальное число профилей</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Не удалось создать: узел индекса уже существует, проверьте данные</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Профиль создан</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Должен остаться хотя бы один профиль</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Профиль удален</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Папка для сохранения</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Сначала выберите папку для сохранения</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Этот узел индекса не существует</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Профиль экспортирован</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Не удалось экспортировать профиль</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Открыть файл профиля</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Файлы профилей (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Сначала выберите файл для импорта</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Профиль импортирован</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Не удалось импортировать профиль</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Имя профиля не может быть пустым</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Сведения о профиле изменены</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Сбросить текущий профиль?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Время до спящего режима подсветки не может быть больше времени до спящего режима клавиатуры</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Слишком короткое время до спящего режима клавиатуры</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Не удалось задать время до спящего режима</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Время до спящего режима задано</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Неон</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Дыхание</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Волна</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Мерцание</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Змейка</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Радар</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Автоматическая рябь</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Полосы</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Северное сияние</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Рябь</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Реакция</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Крест</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Фейерверк</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Отклик на скорость</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ритм музыки</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Пользовательский</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Столкновение</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Яркость:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Направление:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Полноцветный</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхний цвет</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижний цвет</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Пользовательская подсветка</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Клавиатура/боковая подсветка</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Сведения о прошивке</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Левый щелчок</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Средний щелчок</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правый щелчок</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Назначить профиль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Выбор приложения</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Выберите путь к приложению</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Выбрать приложение</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Введите текст...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Способ воспроизведения</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Воспроизвести один раз</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Воспроизвести несколько раз</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Непрерывное воспроизведение вкл./выкл.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Воспроизводить, пока клавиша нажата</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Число повторов</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Число повторов 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Назначить макрос</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Кнопки мыши</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Сначала включите режим калибровки клавиш;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Выберите клавишу;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Нажмите «Начать калибровку»;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Нажмите выбранную клавишу;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Будет показан результат калибровки;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Если параметр включен, быстрое срабатывание завершается только после полного отпускания клавиши.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Если параметр выключен, быстрое срабатывание завершается, когда при отпускании клавиша возвращается к точке срабатывания.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Задайте, как долго нужно удерживать клавишу для срабатывания.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Если включена калибровка всех клавиш, нажмите все клавиши, чтобы завершить калибровку.</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>При блокировке Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Отключить клавишу Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Отключить SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Отключить ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Отключить ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Спящий режим подсветки через:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>сек.</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Спящий режим клавиатуры через:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>мин.</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Сбросить текущий профиль</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Свойства клавиатуры</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Запретить спящий режим</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Нажатие</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Срабатывание</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Отпускание</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Отслеживание хода</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Чувствительность нажатия и отпускания</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Быстрое срабатывание</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Сбросить чувствительность</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Подавление дребезга</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Частота опроса</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Режим калибровки клавиш</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Начать калибровку</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Настройте ход до точки срабатывания и ход до точки сброса в зависимости от того, как вы нажимаете и отпускаете клавишу.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Для быстрого срабатывания можно отдельно задать ход при нажатии (срабатывание) и при отпускании (сброс).</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Калибровка всех клавиш</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Обычные клавиши</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Специальные клавиши</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фоновое изображение</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускать программу при старте системы (в свернутом виде)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Сворачивать в трей при закрытии</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Проверить обновления прошивки</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Устройства для обновления не найдены</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Настройки применены</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Не отключайте устройство во время обновления прошивки!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Обновление выполнено</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Не удалось выполнить обновление</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Название продукта:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Прогресс:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Текущая версия:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Новая версия:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Имя пользовательской подсветки не может быть пустым</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Имя пользовательской подсветки изменено</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Переместить вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Переместить вниз</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Запись макроса</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Группа макросов</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Настройка задержки</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Записывать задержки</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Без задержки</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Задержка по умолчанию</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Начать запись</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Список событий</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Запись пуста</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Вставка события</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Вставить событие после</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Вставить событие перед</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Событие клавиатуры</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Событие мыши</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Нажмите клавишу</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Нажатие клавиши</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Макрос добавлен</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Макрос удален</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Сначала выберите макрос</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Запись макроса очищена</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Имя макроса не может быть пустым</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Имя макроса изменено</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Сначала выберите позицию</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Достигнуто максимальное число событий</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Событие вставлено</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Событие изменено</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Макрос экспортирован</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Открыть файл макроса</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Файлы макросов (*.xml)</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Макрос импортирован</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Запись макроса начата</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Запись макроса остановлена</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Остановить запись</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Кит.</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Кор/Англ</translation>
    </message>
    <message>
        <source>K14</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>K45</source>
        <translation>\|</translation>
    </message>
    <message>
        <source>K56</source>
        <translation>\ ろ</translation>
    </message>
    <message>
        <source>K131</source>
        <translation>無変換</translation>
    </message>
    <message>
        <source>K132</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>K133</source>
        <translation>かな</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>UpdateFirmwareInfoItem</source>
        <translation>UpdateFirmwareInfoItem</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Название продукта:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Текущая версия:</translation>
    </message>
    <message>
        <source>Default LikeName</source>
        <translation>Default LikeName</translation>
    </message>
    <message>
        <source>V1.00.00</source>
        <translation>V1.00.00</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Прогресс:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Новая версия:</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>V1.00.11</source>
        <translation>V1.00.11</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Невозможно переназначить</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Переименовать</translation>
    </message>
</context>
</TS>
