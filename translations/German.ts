<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>DAllKeysShowPage</source>
        <translation>DAllKeysShowPage</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Normale Tasten</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Sondertasten</translation>
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
        <translation>Verknüpft:</translation>
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
        <translation>Profil zuweisen</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
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
        <translation>Funktion:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Standardebene</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN-Ebene</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Übertragen</translation>
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
        <translation>Produktliste</translation>
    </message>
    <message>
        <source>https://osterlin.example/</source>
        <translation>https://osterlin.example/</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Taste testen</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Hauptmodus wechseln</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
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
        <translation>Akkustand</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Gerät nicht verbunden</translation>
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
        <translation>Firmware-Info</translation>
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
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Computer sperren</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
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
        <translation>Tastenkonfiguration</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Win-Taste sperren/entsperren</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win-Taste sperren</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win-Taste entsperren</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Tastatur sperren</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Akkustand abfragen</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Standardebene</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN-Ebene</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1-Ebene</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Zu USB wechseln</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Zu 2.4G wechseln</translation>
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
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>App auswählen</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Bitte wählen Sie den Pfad, in dem sich die App befindet</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Anwendung auswählen</translation>
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
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Text eingeben ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Tastaturbeleuchtung</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Gesamtbeleuchtung</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktive Beleuchtung</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Alle Leuchten</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statisch</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Helligkeit +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Helligkeit -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Tempo +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Tempo -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Richtung +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Richtung -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Richtung zyklisch</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Mehrfarbig</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Obere Farbe wechseln</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Untere Farbe wechseln</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Alle ausschalten</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Tastaturlicht aus</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Tastaturlicht anhalten</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Lichtaufnahme</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Benutzerdefiniert 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Benutzerdefiniert 2</translation>
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
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Richtung:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Lichtmodus</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Mehrfarbig</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Obere Farbe</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Untere Farbe</translation>
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
        <translation>Benutzerdefinierte Beleuchtung</translation>
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
        <translation>Anmelden</translation>
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
        <translation>Wiedergabeart</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Einmal abspielen</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Mehrmals abspielen</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Dauerwiedergabe ein/aus</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Abspielen, solange die zugewiesene Taste gedrückt ist</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Anzahl Wiedergaben</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Anzahl Wiedergaben 1, 2, 3 ...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Makro zuweisen</translation>
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
        <translation>Zugewiesen</translation>
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
        <translation>Makroaufnahme</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Makrogruppe</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Verzögerungseinstellung</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Verzögerung aufnehmen</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Keine Verzögerung</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Standardverzögerung</translation>
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
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Ereignisliste</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Aufnahme ist leer</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Ereignis einfügen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Ereignis danach einfügen</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Ereignis davor einfügen</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Tastaturereignis</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mausereignis</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Bitte eine Taste drücken</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Bitte Verzögerung eingeben</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Taste drücken</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Ma&amp;ximieren</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>&amp;Beenden</translation>
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
        <translation>Maustaste</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mittlere Maustaste</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper-Taste</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Nach oben scrollen</translation>
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
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Lautstärke +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Lautstärke -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Mediaplayer</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Bildschirmhelligkeit +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Bildschirmhelligkeit -</translation>
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
        <translation>Bei aktiver Win-Sperre:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows-Taste deaktivieren</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>UMSCHALT+TAB deaktivieren</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB deaktivieren</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 deaktivieren</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Ruhemodus der Beleuchtung nach:</translation>
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
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Ruhemodus der Tastatur nach:</translation>
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
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Ruhemodus verhindern</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Tastatureigenschaften</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Aktuelles Profil zurücksetzen</translation>
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
        <translation>Neu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Umbenennen</translation>
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
        <translation>Standard</translation>
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
        <translation>Abbrechen</translation>
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
        <translation>Erweiterte Tasten</translation>
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
        <translation>Erweiterte Tasten</translation>
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
        <translation>Neu</translation>
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
        <translation>Die Taste hat zwei Funktionen: eine beim Halten und eine beim Antippen.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Antippen</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Haltedauer</translation>
    </message>
    <message>
        <source>1000MS</source>
        <translation>1000MS</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Tippen Sie die Taste an, um die Dauerauslösung ein- oder auszuschalten.</translation>
    </message>
    <message>
        <source>10/40</source>
        <translation>10/40</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Keine erweiterten Tasten vorhanden</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Einzeltaste</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Die maximale Anzahl erweiterter Tasten ist erreicht</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Erweiterte Taste erstellt</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Erweiterte Taste gelöscht</translation>
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
        <translation>Bei „Einzeltaste“ genügt ein Klick auf eine Taste, um die Tastenbelegung abzuschließen; 
bei „Tastenkombination“ müssen mindestens eine Modifikatortaste und eine weitere Taste gewählt werden, um die Tastenkombination einzugeben, z. B. L_Shift+A oder L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>Bei „Einzeltaste“ genügt ein Klick auf eine Taste, um die Tastenbelegung abzuschließen;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Bei „Tastenkombination“ müssen mindestens eine Modifikatortaste und eine weitere Taste gewählt werden, um die Tastenkombination einzugeben, z. B. L_Shift+A oder L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Die Taste kann vier Funktionen ausführen: Je nach Drucktiefe lassen sich 1 bis 4 Funktionen in vier Stufen belegen.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Die Taste hat zwei Funktionen: eine beim Halten und eine beim Antippen.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Tippen Sie die Taste an, um die Dauerauslösung ein- oder auszuschalten.</translation>
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
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Beim Systemstart ausführen (minimiert)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Beim Schließen in den Infobereich minimieren</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Nach Firmware-Update suchen</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Taobao-Link</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Feedback senden</translation>
    </message>
    <message>
        <source>Vorlan</source>
        <translation>Vorlan</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Anwendungssoftware</translation>
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
        <translation>Nach Update suchen</translation>
    </message>
    <message>
        <source>https://example.invalid/</source>
        <translation>https://example.invalid/</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
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
        <translation>Ambientelicht</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Alle Leuchten</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Gesamtbeleuchtung</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktive Beleuchtung</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Helligkeit +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Helligkeit -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Tempo +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Tempo -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Mehrfarbig</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Obere Farbe wechseln</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Untere Farbe wechseln</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Ambientelicht aus</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Ambientelicht anhalten</translation>
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
        <translation>Kor/Eng</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>K14</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>K45</source>
        <translation>&lt;&gt;|</translation>
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
        <translation>Auslösepunkte der DKS-Aktionen</translation>
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
        <translation>Schnellauslösung</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Passen Sie Auslöse- und Rücksetzpunkt daran an, wie Sie die Taste drücken und loslassen.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Getrennte Empfindlichkeit</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Sie können den Tastenweg der Schnellauslösung für Drücken (Auslösung) und Loslassen (Rücksetzung) getrennt festlegen.</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Drücken/Loslassen</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Drücken</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Loslassen</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Tastenentprellung</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Kalibriermodus</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Kalibrierung starten</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Alle Tasten kalibrieren</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Tastenweg verfolgen</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Empfindlichkeit zurücksetzen</translation>
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
        <translation>Firmware-Update</translation>
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
        <translation>Bildschirmtastatur</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation>Programm beendet</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Konflikt – das Programm wurde beendet!</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Lautstärke +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Lautstärke -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Mediaplayer</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Bildschirmhelligkeit +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Bildschirmhelligkeit -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mittlere Maustaste</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Nach oben scrollen</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper-Taste</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Fenster wechseln</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Computer sperren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Win-Taste sperren/entsperren</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win-Taste sperren</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win-Taste entsperren</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Standardebene</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN-Ebene</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1-Ebene</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Gesamtbeleuchtung</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktive Beleuchtung</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Alle Leuchten</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statisch</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Helligkeit +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Helligkeit -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Tempo +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Tempo -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Richtung +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Richtung -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Richtung zyklisch</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Mehrfarbig</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Obere Farbe wechseln</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Untere Farbe wechseln</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Benutzerdefiniert 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Benutzerdefiniert 2</translation>
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
        <translation>Tastatur sperren</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Akkustand abfragen</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Zu 2.4G wechseln</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Zu USB wechseln</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Alle ausschalten</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Tastaturlicht aus</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Tastaturlicht anhalten</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Lichtaufnahme</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Ambientelicht aus</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Ambientelicht anhalten</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Taste neu belegen</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Profil wechseln</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Anwendung starten</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Tastenkonfiguration</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Erweiterte Tasten</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Tastaturbeleuchtung</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Ambientelicht</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Geräteliste</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Gerät nicht verbunden</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Alle Tasten werden kalibriert ...</translation>
    </message>
    <message>
        <source>Please press all keys</source>
        <translation>Bitte alle Tasten drücken</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Auslöseeinstellungen</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Das Gerät ist offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Dieses Gerät ist bereits geöffnet</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Tastenkalibrierung läuft</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Tastenkalibrierung läuft, bitte einen Moment warten</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Konfiguration erfolgreich übertragen</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Übertragen der Konfiguration fehlgeschlagen, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Mit welcher Taste?</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Bitte zuerst eine Taste auswählen</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Vorgang erfolgreich</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Einstellen fehlgeschlagen: Der Text ist leer</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funktion:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Welche Tasten eingeben?</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Leichter Druck</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Starker Druck</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Bitte zuerst in den Kalibriermodus wechseln</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Tastenkalibrierung erfolgreich</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Tastenkalibrierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Die maximale Anzahl an Profilen ist erreicht</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Erstellen fehlgeschlagen: Der Indexknoten ist bereits vorhanden, bitte prüfen</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profil erstellt</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Mindestens ein Profil muss erhalten bleiben</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil gelöscht</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Speicherordner</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Bitte zuerst einen Speicherordner auswählen</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Dieser Indexknoten ist nicht vorhanden</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil exportiert</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Exportieren des Profils fehlgeschlagen</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Profildatei öffnen</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Profildateien (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Bitte zuerst eine Importdatei auswählen</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil importiert</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Importieren des Profils fehlgeschlagen</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Der Profilname darf nicht leer sein</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profilinformationen geändert</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Aktuelles Profil zurücksetzen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Die Zeit bis zum Ruhemodus der Beleuchtung darf nicht länger sein als die der Tastatur</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Die Zeit bis zum Ruhemodus der Tastatur ist zu kurz</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Zeit bis zum Ruhemodus konnte nicht festgelegt werden</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Zeit bis zum Ruhemodus festgelegt</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Atmen</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Funkeln</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Schlange</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Auto-Kreiswellen</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Polarlicht</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Kreiswellen</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reaktiv</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Feuerwerk</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Tempo-Reaktion</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Musikrhythmus</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Kollision</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Richtung:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Mehrfarbig</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Obere Farbe</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Untere Farbe</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Benutzerdefinierte Beleuchtung</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Tastatur/Ambientelicht</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Firmware-Info</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Profil zuweisen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>App auswählen</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Bitte wählen Sie den Pfad, in dem sich die App befindet</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Anwendung auswählen</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Text eingeben ...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Wiedergabeart</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Einmal abspielen</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Mehrmals abspielen</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Dauerwiedergabe ein/aus</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Abspielen, solange die zugewiesene Taste gedrückt ist</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Anzahl Wiedergaben</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Anzahl Wiedergaben 1, 2, 3 ...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Makro zuweisen</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Maustaste</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Zuerst den Kalibriermodus aktivieren;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Eine Taste auswählen;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Auf „Kalibrierung starten“ klicken;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Die ausgewählte Taste drücken;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Das Kalibrierergebnis wird angezeigt;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Wenn aktiviert, endet die Schnellauslösung erst, wenn Sie die Taste vollständig loslassen.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Wenn deaktiviert, endet die Schnellauslösung, sobald die Taste beim Loslassen über den Auslösepunkt zurückkehrt.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Legen Sie fest, wie lange die Taste zum Auslösen gedrückt werden muss.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Wenn „Alle Tasten kalibrieren“ aktiv ist, drücken Sie bitte alle Tasten, um die Kalibrierung abzuschließen.</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Bei aktiver Win-Sperre:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows-Taste deaktivieren</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>UMSCHALT+TAB deaktivieren</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB deaktivieren</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 deaktivieren</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Ruhemodus der Beleuchtung nach:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Ruhemodus der Tastatur nach:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Aktuelles Profil zurücksetzen</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Tastatureigenschaften</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Ruhemodus verhindern</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Drücken</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Auslösung</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Loslassen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Tastenweg verfolgen</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Empfindlichkeit für Drücken und Loslassen</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Schnellauslösung</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Empfindlichkeit zurücksetzen</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Tastenentprellung</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Kalibriermodus</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Kalibrierung starten</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Passen Sie Auslöse- und Rücksetzpunkt daran an, wie Sie die Taste drücken und loslassen.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Sie können den Tastenweg der Schnellauslösung für Drücken (Auslösung) und Loslassen (Rücksetzung) getrennt festlegen.</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Alle Tasten kalibrieren</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Normale Tasten</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Sondertasten</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Beim Systemstart ausführen (minimiert)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Beim Schließen in den Infobereich minimieren</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Nach Firmware-Update suchen</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Keine Geräte mit verfügbarem Update gefunden</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Einstellungen übernommen</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Trennen Sie das Gerät nicht, während die Firmware aktualisiert wird!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Update erfolgreich</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Update fehlgeschlagen</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Produktname:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuelle Version:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Neue Version:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Der Name der benutzerdefinierten Beleuchtung darf nicht leer sein</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Name der benutzerdefinierten Beleuchtung geändert</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Makroaufnahme</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Makrogruppe</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Verzögerungseinstellung</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Verzögerung aufnehmen</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Keine Verzögerung</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Standardverzögerung</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Aufnahme starten</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Ereignisliste</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Aufnahme ist leer</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Ereignis einfügen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Ereignis danach einfügen</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Ereignis davor einfügen</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Tastaturereignis</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mausereignis</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Bitte eine Taste drücken</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Taste drücken</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Makro hinzugefügt</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Makro gelöscht</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Bitte zuerst ein Makro auswählen</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Makroaufnahme geleert</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Der Makroname darf nicht leer sein</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Makroname geändert</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Bitte zuerst eine Position auswählen</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Die maximale Anzahl an Ereignissen ist erreicht</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Ereignis eingefügt</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Ereignis geändert</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Makro exportiert</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Makrodatei öffnen</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Makrodateien (*.xml)</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Makro importiert</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Makroaufnahme gestartet</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Makroaufnahme beendet</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Aufnahme beenden</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Kor/Eng</translation>
    </message>
    <message>
        <source>K14</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>K45</source>
        <translation>&lt;&gt;|</translation>
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
        <translation>Produktname:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuelle Version:</translation>
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
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Neue Version:</translation>
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
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Nicht neu belegbar</translation>
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
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Umbenennen</translation>
    </message>
</context>
</TS>
