<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>DAllKeysShowPage</source>
        <translation>DAllKeysShowPage</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Klawisze zwykłe</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Klawisze specjalne</translation>
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
        <translation>Powiązanie:</translation>
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
        <translation>Przypisz profil</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
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
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funkcja:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Warstwa główna</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Warstwa FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wczytywanie</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Wyślij do klawiatury</translation>
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
        <translation>Lista produktów</translation>
    </message>
    <message>
        <source>https://osterlin.example/</source>
        <translation>https://osterlin.example/</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Test klawisza</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Przełącz tryb główny</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
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
        <translation>Poziom baterii</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Urządzenie niepodłączone</translation>
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
        <translation>Informacje o firmware</translation>
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
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Pokaż pulpit</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zablokuj komputer</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mój komputer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
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
        <translation>Konfiguracja klawiatury</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Przełączaj blokadę Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Zablokuj Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Odblokuj Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Zablokuj klawiaturę</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Sprawdź baterię</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Warstwa główna</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Warstwa FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Warstwa FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Przełącz na USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Przełącz na 2.4G</translation>
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
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Wybierz ścieżkę, w której znajduje się aplikacja</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Wybierz aplikację</translation>
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
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Wpisz tekst...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Podświetlenie klawiatury</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Efekty ogólne</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Efekty interaktywne</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Wszystkie efekty</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statyczny</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jasność +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jasność -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Szybkość +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Szybkość -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Kierunek +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Kierunek -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Cykl kierunków</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Włącz tryb wielokolorowy</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Zmień kolor górny</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Zmień kolor dolny</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Wyłącz wszystko</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Wyłącz podświetlenie</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Zatrzymaj podświetlenie</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Nagrywanie podświetlenia</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Własny 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Własny 2</translation>
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
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Jasność:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Szybkość:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Kierunek:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Tryb podświetlenia</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Wielokolorowy</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Kolor górny</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Kolor dolny</translation>
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
        <translation>Własne podświetlenie</translation>
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
        <translation>Zaloguj</translation>
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
        <translation>Tryb odtwarzania</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Odtwórz raz</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Odtwórz wielokrotnie</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Odtwarzanie ciągłe (włącz/wyłącz)</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Odtwarzaj, dopóki przypisany klawisz jest wciśnięty</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Liczba powtórzeń</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Liczba powtórzeń 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Przypisz makro</translation>
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
        <translation>Przypisane</translation>
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
        <translation>Nagrywanie makr</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Grupa makr</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Ustawienia opóźnienia</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Nagrywaj opóźnienia</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Bez opóźnienia</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Opóźnienie domyślne</translation>
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
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista zdarzeń</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Nagranie jest puste</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Wstaw zdarzenie</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Wstaw zdarzenie po</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Wstaw zdarzenie przed</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Zdarzenie klawiatury</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Zdarzenie myszy</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Naciśnij klawisz</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Kliknięcie lewym</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Kliknięcie środkowym</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Kliknięcie prawym</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Wpisz opóźnienie</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Naciśnięcie klawisza</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Zmień</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Mi&amp;nimalizuj</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Ma&amp;ksymalizuj</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>P&amp;rzywróć</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>&amp;Zakończ</translation>
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
        <translation>Przycisk myszy</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Środkowy przycisk</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Prawy przycisk</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Przycisk snajperski</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Przewiń w dół</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Przewiń w górę</translation>
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
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Odtwórz/Wstrzymaj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Następny utwór</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Poprzedni utwór</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Głośność +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Głośność -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Odtwarzacz</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Poczta e-mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Przeglądarka</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Wyszukaj</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Jasność ekranu+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Jasność ekranu-</translation>
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
        <translation>Gdy blokada Win jest włączona:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Wyłącz klawisz Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Wyłącz SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Wyłącz ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Wyłącz ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Uśpienie podświetlenia po:</translation>
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
        <translation>s</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Uśpienie klawiatury po:</translation>
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
        <translation>min</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Wyłącz uśpienie</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Zatwierdź</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Właściwości klawiatury</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Resetuj bieżący profil</translation>
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
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
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
        <translation>Domyślne</translation>
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
        <translation>Anuluj</translation>
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
        <translation>Klawisze zaawansowane</translation>
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
        <translation>Klawisze zaawansowane</translation>
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
        <translation>Utwórz</translation>
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
        <translation>Klawisz ma dwie funkcje: jedną po przytrzymaniu, drugą po krótkim naciśnięciu.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Przytrzymanie</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Krótkie naciśnięcie</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Czas przytrzymania</translation>
    </message>
    <message>
        <source>1000MS</source>
        <translation>1000MS</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Naciśnij ten klawisz, aby włączyć lub wyłączyć ciągłą aktywację.</translation>
    </message>
    <message>
        <source>10/40</source>
        <translation>10/40</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Brak klawiszy zaawansowanych</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Pojedynczy klawisz</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Osiągnięto maksymalną liczbę klawiszy zaawansowanych</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Utworzono klawisz zaawansowany</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Usunięto klawisz zaawansowany</translation>
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
        <translation>Gdy wybrano „Pojedynczy klawisz”, wystarczy nacisnąć dowolny klawisz, aby zakończyć konfigurację; 
Gdy wybrano „Kombinacja klawiszy”, należy wybrać co najmniej jeden klawisz modyfikujący i jeden inny klawisz, aby zakończyć wprowadzanie kombinacji, np. L_Shift+A lub L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>Gdy wybrano „Pojedynczy klawisz”, wystarczy nacisnąć dowolny klawisz, aby zakończyć konfigurację;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Gdy wybrano „Kombinacja klawiszy”, należy wybrać co najmniej jeden klawisz modyfikujący i jeden inny klawisz, aby zakończyć wprowadzanie kombinacji, np. L_Shift+A lub L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Klawisz może pełnić cztery funkcje: od 1 do 4 funkcji można przypisać do czterech różnych głębokości wciśnięcia.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Klawisz ma dwie funkcje: jedną po przytrzymaniu, drugą po krótkim naciśnięciu.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Naciśnij ten klawisz, aby włączyć lub wyłączyć ciągłą aktywację.</translation>
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
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motyw</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Uruchamiaj aplikację przy starcie systemu (zminimalizowaną)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Przy zamykaniu minimalizuj do zasobnika</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Sprawdź aktualizacje firmware</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Link do Taobao</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Pomoc techniczna</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Wyślij opinię</translation>
    </message>
    <message>
        <source>Vorlan</source>
        <translation>Vorlan</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Oprogramowanie</translation>
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
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>https://example.invalid/</source>
        <translation>https://example.invalid/</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Różowy</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inny</translation>
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
        <translation>Oświetlenie nastrojowe</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Wszystkie efekty</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Efekty ogólne</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Efekty interaktywne</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jasność +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jasność -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Szybkość +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Szybkość -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Włącz tryb wielokolorowy</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Zmień kolor górny</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Zmień kolor dolny</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Wyłącz oświetlenie nastrojowe</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Zatrzymaj oświetlenie nastrojowe</translation>
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
        <translation>Kor/Ang</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chiński</translation>
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
        <translation>Punkty aktywacji akcji DKS</translation>
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
        <translation>Szybka aktywacja</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Dostosuj skok aktywacji i skok resetu do tego, czy zamierzasz nacisnąć, czy zwolnić klawisz.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Niezależna czułość</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Możesz osobno ustawić skok szybkiej aktywacji przy naciskaniu (aktywacja) i zwalnianiu (reset).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Naciśnięcie/Zwolnienie</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Naciśnięcie</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Zwolnienie</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Eliminacja drgań</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Częstotliwość odpytywania</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Włącz tryb kalibracji</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Rozpocznij kalibrację</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Kalibracja wszystkich klawiszy</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Śledzenie skoku</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Resetuj czułość</translation>
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
        <translation>Aktualizacja firmware</translation>
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
        <translation>Klawiatura wirtualna</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Nieznane</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation>Zamknięcie programu</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Konflikt – program przestał działać!</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Głośność +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Głośność -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Odtwórz/Wstrzymaj</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Następny utwór</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Poprzedni utwór</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Odtwarzacz</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Przeglądarka</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Poczta e-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Jasność ekranu+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Jasność ekranu-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Wyszukaj</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Środkowy przycisk</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Prawy przycisk</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Przewiń w górę</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Przewiń w dół</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Przycisk snajperski</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Przełącz okna</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Pokaż pulpit</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mój komputer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zablokuj komputer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Zablokuj/odblokuj Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Zablokuj Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Odblokuj Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Warstwa główna</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Warstwa FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Warstwa FN1</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Efekty ogólne</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Efekty interaktywne</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Wszystkie efekty</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statyczny</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jasność +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jasność -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Szybkość +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Szybkość -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Kierunek +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Kierunek -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Cykl kierunków</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Włącz tryb wielokolorowy</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Zmień kolor górny</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Zmień kolor dolny</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Własny 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Własny 2</translation>
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
        <translation>Zablokuj klawiaturę</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Sprawdź baterię</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Przełącz na 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Przełącz na USB</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Wyłącz wszystko</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Wyłącz podświetlenie</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Zatrzymaj podświetlenie</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Nagrywanie podświetlenia</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Wyłącz oświetlenie nastrojowe</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Zatrzymaj oświetlenie nastrojowe</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Zmień przypisanie klawisza</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Przełącz profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Uruchom aplikację</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Konfiguracja klawiatury</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Klawisze zaawansowane</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Podświetlenie klawiatury</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Oświetlenie nastrojowe</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Lista urządzeń</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Urządzenie niepodłączone</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Trwa kalibracja wszystkich klawiszy...</translation>
    </message>
    <message>
        <source>Please press all keys</source>
        <translation>Naciśnij wszystkie klawisze</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Przypisanie klawiszy</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Podświetlenie</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Wydajność</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Ustawienia aktywacji</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Urządzenie jest rozłączone</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>To urządzenie jest już otwarte</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Trwa kalibracja klawiszy</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Trwa kalibracja klawiszy, poczekaj chwilę</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Wysłano konfigurację do klawiatury</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Nie udało się wysłać konfiguracji do klawiatury. Spróbuj ponownie</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Na jaki klawisz zmienić?</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Najpierw wybierz klawisz</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operacja zakończona powodzeniem</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Nie udało się ustawić: tekst jest pusty</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Wyślij do klawiatury</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funkcja:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Jakie klawisze wprowadzić?</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Lekkie naciśnięcie</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Mocne naciśnięcie</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Najpierw włącz tryb kalibracji klawiszy</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Kalibracja klawiszy zakończona powodzeniem</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Kalibracja klawiszy nie powiodła się</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Osiągnięto maksymalną liczbę profili</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Nie udało się utworzyć: węzeł indeksu już istnieje. Sprawdź to</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Utworzono profil</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Musi pozostać co najmniej jeden profil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Usunięto profil</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Folder docelowy</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Najpierw wybierz folder docelowy</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Ten węzeł indeksu nie istnieje</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Wyeksportowano profil</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Nie udało się wyeksportować profilu</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Otwórz plik profilu</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Pliki profili (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Najpierw wybierz plik do zaimportowania</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Zaimportowano profil</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Nie udało się zaimportować profilu</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Nazwa profilu nie może być pusta</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Zmieniono informacje o profilu</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Czy zresetować bieżący profil?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Czas uśpienia podświetlenia nie może być dłuższy niż czas uśpienia klawiatury</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Czas uśpienia klawiatury jest za krótki</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Nie udało się ustawić czasu uśpienia</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Ustawiono czas uśpienia</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Oddychanie</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Fala</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Migotanie</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Wąż</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Kręgi automatyczne</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Pasy</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Zorza</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Kręgi</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reaktywny</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Krzyż</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fajerwerki</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Reakcja na szybkość</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Rytm muzyki</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własny</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Zderzenie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Wyłączony</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Jasność:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Szybkość:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Kierunek:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Wielokolorowy</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Kolor górny</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Kolor dolny</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Własne podświetlenie</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Klawiatura/Oświetlenie nastrojowe</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Informacje o firmware</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Kliknięcie lewym</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Kliknięcie środkowym</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Kliknięcie prawym</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Przypisz profil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Wybierz ścieżkę, w której znajduje się aplikacja</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Wpisz tekst...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Tryb odtwarzania</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Odtwórz raz</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Odtwórz wielokrotnie</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Odtwarzanie ciągłe (włącz/wyłącz)</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Odtwarzaj, dopóki przypisany klawisz jest wciśnięty</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Liczba powtórzeń</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Liczba powtórzeń 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Przypisz makro</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Przycisk myszy</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Najpierw włącz tryb kalibracji klawiszy;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Wybierz jeden klawisz;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Kliknij „Rozpocznij kalibrację”;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Naciśnij wybrany klawisz;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Zostaną wyświetlone wyniki kalibracji;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Gdy opcja jest włączona, szybka aktywacja kończy się dopiero po całkowitym zwolnieniu klawisza.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Gdy opcja jest wyłączona, szybka aktywacja kończy się, gdy klawisz wróci powyżej punktu aktywacji.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Ustaw, jak długo klawisz musi być wciśnięty, aby nastąpiła aktywacja.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Gdy kalibracja wszystkich klawiszy jest włączona, naciśnij wszystkie klawisze, aby ją zakończyć.</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Gdy blokada Win jest włączona:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Wyłącz klawisz Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Wyłącz SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Wyłącz ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Wyłącz ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Uśpienie podświetlenia po:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Uśpienie klawiatury po:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Zatwierdź</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Resetuj bieżący profil</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Właściwości klawiatury</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Wyłącz uśpienie</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Naciśnięcie</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Aktywacja</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Zwolnienie</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Śledzenie skoku</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Czułość naciskania i zwalniania</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Szybka aktywacja</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Resetuj czułość</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Eliminacja drgań</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Częstotliwość odpytywania</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Tryb kalibracji klawiszy</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Rozpocznij kalibrację</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Dostosuj skok aktywacji i skok resetu do tego, czy zamierzasz nacisnąć, czy zwolnić klawisz.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Możesz osobno ustawić skok szybkiej aktywacji przy naciskaniu (aktywacja) i zwalnianiu (reset).</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Kalibracja wszystkich klawiszy</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Klawisze zwykłe</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Klawisze specjalne</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motyw</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Uruchamiaj aplikację przy starcie systemu (zminimalizowaną)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Przy zamykaniu minimalizuj do zasobnika</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Sprawdź aktualizacje firmware</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Nie znaleziono urządzeń do aktualizacji</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Zastosowano ustawienia</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Aktualizacja firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Nie odłączaj urządzenia podczas aktualizacji firmware!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aktualizacja zakończona powodzeniem</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aktualizacja nie powiodła się</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Nazwa produktu:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Postęp:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Bieżąca wersja:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nowa wersja:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Ukończono</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Nazwa własnego podświetlenia nie może być pusta</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Zmieniono nazwę własnego podświetlenia</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Przenieś w górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Przenieś w dół</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Nagrywanie makr</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Grupa makr</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Ustawienia opóźnienia</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Nagrywaj opóźnienia</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Bez opóźnienia</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Opóźnienie domyślne</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Rozpocznij nagrywanie</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista zdarzeń</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Nagranie jest puste</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Wstaw zdarzenie</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Wstaw zdarzenie po</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Wstaw zdarzenie przed</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Zdarzenie klawiatury</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Zdarzenie myszy</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Naciśnij klawisz</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Naciśnięcie klawisza</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Dodano makro</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Usunięto makro</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Najpierw wybierz makro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Wyczyszczono nagranie makra</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Nazwa makra nie może być pusta</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Zmieniono nazwę makra</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Najpierw wybierz pozycję</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Osiągnięto maksymalną liczbę zdarzeń</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Wstawiono zdarzenie</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Zmieniono zdarzenie</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Wyeksportowano makro</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Otwórz plik makra</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Pliki makr (*.xml)</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Zaimportowano makro</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Rozpoczęto nagrywanie makra</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Zatrzymano nagrywanie makra</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Zatrzymaj nagrywanie</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Chiński</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Kor/Ang</translation>
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
        <translation>Nazwa produktu:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Bieżąca wersja:</translation>
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
        <translation>Postęp:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nowa wersja:</translation>
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
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Ukończono</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Nie można zmienić przypisania</translation>
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
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
    </message>
</context>
</TS>
