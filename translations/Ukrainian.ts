<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>DAllKeysShowPage</source>
        <translation>DAllKeysShowPage</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Звичайні клавіші</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Спеціальні клавіші</translation>
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
        <translation>Зв’язок:</translation>
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
        <translation>Призначити профіль</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>За замовчуванням</translation>
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
        <translation>Функція:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробіл</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основний шар</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Шар FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Завантаження</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити в клавіатуру</translation>
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
        <translation>Список продуктів</translation>
    </message>
    <message>
        <source>https://osterlin.example/</source>
        <translation>https://osterlin.example/</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скидання</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Перевірка клавіш</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Змінити основний режим</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавіатура</translation>
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
        <translation>Рівень заряду</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Пристрій не під’єднано</translation>
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
        <translation>Відомості про мікропрограму</translation>
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
        <translation>Гарячі клавіші</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показати робочий стіл</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрити вікно</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокувати комп’ютер</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Мій комп’ютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Знайти</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вирізати</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Створити</translation>
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
        <translation>Функції клавіатури</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Блокувати/розблокувати Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Блокувати Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Розблокувати Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Блокувати клавіатуру</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Перевірка заряду</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основний шар</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Шар FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Шар FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Перемкнути на USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Перемкнути на 2.4G</translation>
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
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
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
        <translation>Вибір програми</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Виберіть шлях до програми</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Вибрати програму</translation>
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
        <translation>Введіть текст...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
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
        <translation>Підсвічування клавіатури</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Загальні режими</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Інтерактивні режими</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Усі режими</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичний</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яскравість +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яскравість -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Швидкість +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Швидкість -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Напрямок +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Напрямок -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Напрямок по колу</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Повнокольоровий режим</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Змінити верхній колір</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Змінити нижній колір</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Вимкнути все</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Вимкнути підсвічування клавіатури</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Зупинити підсвічування клавіатури</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Запис підсвічування</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Власне 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Власне 2</translation>
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
        <translation>Яскравість:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Швидкість:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Напрямок:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Режим підсвічування</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Повнокольоровий</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхній колір</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижній колір</translation>
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
        <translation>Власне підсвічування</translation>
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
        <translation>Увійти</translation>
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
        <translation>Спосіб відтворення</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Відтворити один раз</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Відтворити кілька разів</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Безперервне відтворення увімк./вимк.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Відтворювати, поки клавішу натиснуто</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Кількість повторів</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Кількість повторів 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Призначити макрос</translation>
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
        <translation>Призначено</translation>
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
        <translation>Запис макросу</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Група макросів</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Налаштування затримки</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Записувати затримки</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Без затримки</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Затримка за замовчуванням</translation>
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
        <translation>Запис</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Список подій</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Запис порожній</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Вставлення події</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиція</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Вставити подію після</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Вставити подію перед</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Подія</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Подія клавіатури</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Подія миші</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Затримка</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Дія</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Натисніть клавішу</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Ліве клацання</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Середнє клацання</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Праве клацання</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Введіть значення затримки</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Властивості</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Натискання клавіші</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Змінити</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>&amp;Згорнути</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>&amp;Розгорнути</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>&amp;Відновити</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Ви&amp;йти</translation>
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
        <translation>Кнопки миші</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Ліва кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Середня кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Права кнопка миші</translation>
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
        <translation>Снайперська кнопка</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокручування вниз</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Прокручування вгору</translation>
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
        <translation>Мультимедіа</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Відтворення/пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Наступний трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Попередній трек</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Гучність +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Гучність -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Вимкнути звук</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Програвач</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Комп’ютер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Пошта</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Яскравість екрана+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Яскравість екрана-</translation>
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
        <translation>Коли Win заблоковано:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Вимкнути клавішу Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Вимкнути SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Вимкнути ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Вимкнути ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Режим сну підсвічування через:</translation>
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
        <translation>с</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Режим сну клавіатури через:</translation>
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
        <translation>хв</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Заборонити режим сну</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Властивості клавіатури</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Скинути поточний профіль</translation>
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
        <translation>Створити</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Імпорт</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Перейменувати</translation>
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
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <source>NULL</source>
        <translation>NULL</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
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
        <translation>Розширені клавіші</translation>
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
        <translation>Розширені клавіші</translation>
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
        <translation>Створити</translation>
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
        <translation>Клавіша має дві функції: одну під час утримання, іншу під час короткого натискання.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Утримання</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Натискання</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Тривалість утримання</translation>
    </message>
    <message>
        <source>1000MS</source>
        <translation>1000MS</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Натискання клавіші вмикає або вимикає безперервне спрацювання.</translation>
    </message>
    <message>
        <source>10/40</source>
        <translation>10/40</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Список розширених клавіш порожній</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Одна клавіша</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Досягнуто максимальної кількості розширених клавіш</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Розширену клавішу створено</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Розширену клавішу видалено</translation>
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
        <translation>Якщо вибрано «Одна клавіша», просто натисніть потрібну клавішу, щоб завершити налаштування; 
Якщо вибрано «Комбінація клавіш», для введення комбінації виберіть принаймні одну клавішу-модифікатор і ще одну клавішу, наприклад L_Shift+A або L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>Якщо вибрано «Одна клавіша», просто натисніть потрібну клавішу, щоб завершити налаштування;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Якщо вибрано «Комбінація клавіш», для введення комбінації виберіть принаймні одну клавішу-модифікатор і ще одну клавішу, наприклад L_Shift+A або L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Клавіша може виконувати чотири функції: до чотирьох різних глибин натискання можна прив’язати від 1 до 4 функцій.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Клавіша має дві функції: одну під час утримання, іншу під час короткого натискання.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Натискання клавіші вмикає або вимикає безперервне спрацювання.</translation>
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
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фонове зображення</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускати програму під час запуску системи (згорнуто)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Згортати в трей під час закриття</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Перевірити оновлення мікропрограми</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Магазин Taobao</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Підтримка</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Зворотний зв’язок</translation>
    </message>
    <message>
        <source>Vorlan</source>
        <translation>Vorlan</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Програмне забезпечення</translation>
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
        <translation>Перевірити оновлення</translation>
    </message>
    <message>
        <source>https://example.invalid/</source>
        <translation>https://example.invalid/</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темна</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Світла</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синя</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Рожева</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Інша</translation>
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
        <translation>Бокове підсвічування</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Усі режими</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Загальні режими</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Інтерактивні режими</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яскравість +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яскравість -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Швидкість +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Швидкість -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Повнокольоровий режим</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Змінити верхній колір</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Змінити нижній колір</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Вимкнути бокове підсвічування</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Зупинити бокове підсвічування</translation>
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
        <translation>Точки спрацювання для дій DKS</translation>
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
        <translation>Швидке спрацювання</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Налаштуйте хід до точки спрацювання та хід до точки скидання відповідно до того, як ви натискаєте й відпускаєте клавішу.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Окрема чутливість</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Для швидкого спрацювання можна окремо задати хід під час натискання (спрацювання) і відпускання (скидання).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Натискання/відпускання</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Натискання</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Відпускання</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Усунення брязкоту</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Частота опитування</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Режим калібрування</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Почати калібрування</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Калібрування всіх клавіш</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Відстеження ходу</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Скинути чутливість</translation>
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
        <translation>Оновлення мікропрограми</translation>
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
        <translation>Віртуальна клавіатура</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Невідомо</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation>Вихід із програми</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Конфлікт: програма припинила роботу!</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Гучність +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Гучність -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Вимкнути звук</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Відтворення/пауза</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Наступний трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Попередній трек</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Програвач</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Комп’ютер</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Пошта</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Яскравість екрана+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Яскравість екрана-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Ліва кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Середня кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Права кнопка миші</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Прокручування вгору</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокручування вниз</translation>
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
        <translation>Снайперська кнопка</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрити вікно</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Перемикання вікон</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показати робочий стіл</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Мій комп’ютер</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокувати комп’ютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вирізати</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Знайти</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Блокувати/розблокувати Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Блокувати Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Розблокувати Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основний шар</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Шар FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Шар FN1</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Загальні режими</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Інтерактивні режими</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Усі режими</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичний</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яскравість +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яскравість -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Швидкість +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Швидкість -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Напрямок +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Напрямок -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Напрямок по колу</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Повнокольоровий режим</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Змінити верхній колір</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Змінити нижній колір</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Власне 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Власне 2</translation>
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
        <translation>Блокувати клавіатуру</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Перевірка заряду</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Перемкнути на 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Перемкнути на USB</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Вимкнути все</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Вимкнути підсвічування клавіатури</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Зупинити підсвічування клавіатури</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Запис підсвічування</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Вимкнути бокове підсвічування</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Зупинити бокове підсвічування</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Перепризначити клавішу</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедіа</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Змінити профіль</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Запуск програми</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Гарячі клавіші</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Функції клавіатури</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Розширені клавіші</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Підсвічування клавіатури</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Бокове підсвічування</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Список пристроїв</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Пристрій не під’єднано</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скидання</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Триває калібрування всіх клавіш...</translation>
    </message>
    <message>
        <source>Please press all keys</source>
        <translation>Натисніть усі клавіші</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Призначення клавіш</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Налаштування підсвічування</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Продуктивність</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Налаштування спрацювання</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Пристрій не в мережі</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Цей пристрій уже відкрито</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Триває калібрування клавіш</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Триває калібрування клавіш, зачекайте</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Налаштування завантажено в клавіатуру</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Не вдалося завантажити налаштування в клавіатуру. Повторіть спробу</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>На яку клавішу?</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Спочатку виберіть клавішу</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Операцію виконано</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Не вдалося застосувати: текст не задано</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити в клавіатуру</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Функція:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Які клавіші ввести?</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Легке натискання</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильне натискання</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Спочатку увімкніть режим калібрування клавіш</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Калібрування клавіш виконано</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Помилка калібрування клавіш</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Досягнуто максимальної кількості профілів</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Не вдалося створити: вузол індексу вже існує, перевірте дані</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Профіль створено</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Має залишитися принаймні один профіль</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Профіль видалено</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Папка для збереження</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Спочатку виберіть папку для збереження</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Цей вузол індексу не існує</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Профіль експортовано</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Не вдалося експортувати профіль</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Відкрити файл профілю</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Файли профілів (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Спочатку виберіть файл для імпорту</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Профіль імпортовано</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Не вдалося імпортувати профіль</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Ім’я профілю не може бути порожнім</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Відомості про профіль змінено</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Увага</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Скинути поточний профіль?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Час до режиму сну підсвічування не може перевищувати час до режиму сну клавіатури</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Занадто короткий час до режиму сну клавіатури</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Не вдалося задати час до режиму сну</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Час до режиму сну задано</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Неон</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Дихання</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Хвиля</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Мерехтіння</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Змійка</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Радар</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Автоматичні брижі</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Смуги</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Полярне сяйво</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Брижі</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Реакція</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Хрест</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Феєрверк</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Відгук на швидкість</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ритм музики</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Власний</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Зіткнення</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Вимкнено</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Яскравість:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Швидкість:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Напрямок:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Повнокольоровий</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхній колір</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижній колір</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Власне підсвічування</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Клавіатура/бокове підсвічування</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Відомості про мікропрограму</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Ліве клацання</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Середнє клацання</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Праве клацання</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Перейменувати</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Призначити профіль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Вибір програми</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Виберіть шлях до програми</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Вибрати програму</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Введіть текст...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Спосіб відтворення</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Відтворити один раз</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Відтворити кілька разів</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Безперервне відтворення увімк./вимк.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Відтворювати, поки клавішу натиснуто</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Кількість повторів</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Кількість повторів 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Призначити макрос</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Кнопки миші</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Спочатку увімкніть режим калібрування клавіш;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Виберіть клавішу;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Натисніть «Почати калібрування»;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Натисніть вибрану клавішу;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Буде показано результат калібрування;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Якщо параметр увімкнено, швидке спрацювання завершується лише після повного відпускання клавіші.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Якщо параметр вимкнено, швидке спрацювання завершується, коли під час відпускання клавіша повертається до точки спрацювання.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Задайте, як довго потрібно утримувати клавішу для спрацювання.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Якщо увімкнено калібрування всіх клавіш, натисніть усі клавіші, щоб завершити калібрування.</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Коли Win заблоковано:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Вимкнути клавішу Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Вимкнути SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Вимкнути ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Вимкнути ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Режим сну підсвічування через:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Режим сну клавіатури через:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>хв</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Скинути поточний профіль</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Властивості клавіатури</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Заборонити режим сну</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Натискання</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Спрацювання</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Відпускання</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Відстеження ходу</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Чутливість натискання та відпускання</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Швидке спрацювання</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Скинути чутливість</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Усунення брязкоту</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Частота опитування</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Режим калібрування клавіш</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Почати калібрування</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Налаштуйте хід до точки спрацювання та хід до точки скидання відповідно до того, як ви натискаєте й відпускаєте клавішу.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Для швидкого спрацювання можна окремо задати хід під час натискання (спрацювання) і відпускання (скидання).</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Калібрування всіх клавіш</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Звичайні клавіші</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Спеціальні клавіші</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фонове зображення</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускати програму під час запуску системи (згорнуто)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Згортати в трей під час закриття</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Перевірити оновлення мікропрограми</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Пристроїв для оновлення не знайдено</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Налаштування застосовано</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Оновлення мікропрограми</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Не від’єднуйте пристрій під час оновлення мікропрограми!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Оновлення виконано</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Не вдалося виконати оновлення</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Назва продукту:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Прогрес:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Поточна версія:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Нова версія:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Ім’я власного підсвічування не може бути порожнім</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Ім’я власного підсвічування змінено</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Імпорт</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Перемістити вгору</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Перемістити вниз</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Запис макросу</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Група макросів</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Налаштування затримки</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Записувати затримки</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Без затримки</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Затримка за замовчуванням</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Почати запис</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Список подій</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Запис порожній</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Вставлення події</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиція</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Вставити подію після</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Вставити подію перед</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Подія</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Подія клавіатури</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Подія миші</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Дія</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Натисніть клавішу</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Властивості</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Затримка</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Натискання клавіші</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Макрос додано</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Макрос видалено</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Спочатку виберіть макрос</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Запис макросу очищено</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Ім’я макросу не може бути порожнім</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Ім’я макросу змінено</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Спочатку виберіть позицію</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Досягнуто максимальної кількості подій у записі</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Подію вставлено</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Подію змінено</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Макрос експортовано</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Відкрити файл макросу</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Файли макросів (*.xml)</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Макрос імпортовано</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Запис макросу розпочато</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Запис макросу зупинено</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Зупинити запис</translation>
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
        <translation>Назва продукту:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Поточна версія:</translation>
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
        <translation>Прогрес:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Нова версія:</translation>
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
        <translation>Оновити</translation>
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
        <translation>Неможливо перепризначити</translation>
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
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Перейменувати</translation>
    </message>
</context>
</TS>
