<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>DAllKeysShowPage</source>
        <translation>DAllKeysShowPage</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinace kláves</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Běžné klávesy</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Speciální klávesy</translation>
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
        <translation>Propojení:</translation>
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
        <translation>Přiřadit profil</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
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
        <translation>Funkce:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klávesa</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mezerník</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Výchozí vrstva</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Vrstva FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Načítání</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Zapsat do klávesnice</translation>
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
        <translation>Seznam produktů</translation>
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
        <translation>Test kláves</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Přepnout hlavní režim</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klávesnice</translation>
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
        <translation>Stav baterie</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Zařízení není připojeno</translation>
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
        <translation>Informace o firmwaru</translation>
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
        <translation>Klávesové zkratky</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Zobrazit plochu</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zavřít okno</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zamknout počítač</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Tento počítač</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Najít</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Vyjmout</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
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
        <translation>Funkce klávesnice</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Zamknout/odemknout Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Zamknout Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Odemknout Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Zamknout klávesnici</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Zjistit stav baterie</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Výchozí vrstva</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Vrstva FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Vrstva FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Přepnout na USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Přepnout na 2.4G</translation>
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
        <translation>Zakázat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
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
        <translation>Výběr aplikace</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Vyberte cestu k aplikaci</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Vybrat aplikaci</translation>
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
        <translation>Zadejte text...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
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
        <translation>Podsvícení klávesnice</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Celkové režimy</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktivní režimy</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Všechny režimy</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statický</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jas +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jas -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Rychlost +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Rychlost -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Směr +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Směr -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Směr dokola</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Plnobarevný režim</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Změnit horní barvu</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Změnit dolní barvu</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Vypnout vše</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Vypnout podsvícení klávesnice</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Zastavit podsvícení klávesnice</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Nahrávání podsvícení</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Vlastní 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Vlastní 2</translation>
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
        <translation>Jas:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Rychlost:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Směr:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Režim podsvícení</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Plnobarevný</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Horní barva</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Dolní barva</translation>
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
        <translation>Vlastní podsvícení</translation>
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
        <translation>Přihlásit</translation>
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
        <translation>Způsob přehrávání</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Přehrát jednou</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Přehrát vícekrát</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Nepřetržité přehrávání zap./vyp.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Přehrávat, dokud je klávesa stisknutá</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Počet opakování</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Počet opakování 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Přiřadit makro</translation>
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
        <translation>Přiřazeno</translation>
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
        <translation>Nahrávání makra</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Skupina maker</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Nastavení prodlevy</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Nahrávat prodlevy</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Bez prodlevy</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Výchozí prodleva</translation>
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
        <translation>Nahrávání</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Seznam událostí</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Záznam je prázdný</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Vložení události</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozice</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Vložit událost za</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Vložit událost před</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Událost</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Událost klávesnice</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Událost myši</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Prodleva</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Akce</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Stiskněte klávesu</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Levé kliknutí</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Prostřední kliknutí</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Pravé kliknutí</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Zadejte hodnotu prodlevy</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Vlastnosti</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Stisk klávesy</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Upravit</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>&amp;Minimalizovat</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Ma&amp;ximalizovat</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>&amp;Obnovit</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>&amp;Ukončit</translation>
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
        <translation>Tlačítka myši</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Levé tlačítko myši</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Prostřední tlačítko myši</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Pravé tlačítko myši</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vpřed</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tlačítko Sniper</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Posunout dolů</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Posunout nahoru</translation>
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
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Přehrát/pozastavit</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Další skladba</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Předchozí skladba</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Hlasitost +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Hlasitost -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Ztlumit</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Přehrávač</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulačka</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Počítač</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Prohlížeč</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Jas obrazovky+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Jas obrazovky-</translation>
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
        <translation>Když je zámek Win zapnutý:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Zakázat klávesu Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Zakázat SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Zakázat ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Zakázat ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Režim spánku podsvícení za:</translation>
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
        <translation>Režim spánku klávesnice za:</translation>
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
        <translation>Zakázat režim spánku</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Vlastnosti klávesnice</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Resetovat aktuální profil</translation>
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
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportovat</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importovat</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Přejmenovat</translation>
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
        <translation>Výchozí</translation>
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
        <translation>Zrušit</translation>
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
        <translation>Pokročilé klávesy</translation>
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
        <translation>Pokročilé klávesy</translation>
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
        <translation>Vytvořit</translation>
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
        <translation>Klávesa má dvě funkce: jednu při podržení a druhou při krátkém stisku.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Podržení</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Stisk</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Doba podržení</translation>
    </message>
    <message>
        <source>1000MS</source>
        <translation>1000MS</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Stiskem klávesy zapnete nebo vypnete nepřetržitou aktivaci.</translation>
    </message>
    <message>
        <source>10/40</source>
        <translation>10/40</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Seznam pokročilých kláves je prázdný</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Jedna klávesa</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinace kláves</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Byl dosažen maximální počet pokročilých kláves</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Pokročilá klávesa byla vytvořena</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Pokročilá klávesa byla odstraněna</translation>
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
        <translation>Je-li vybrána možnost „Jedna klávesa“, stačí stisknout požadovanou klávesu a nastavení je hotové; 
Je-li vybrána možnost „Kombinace kláves“, je nutné vybrat alespoň jednu modifikační klávesu a jednu další klávesu, například L_Shift+A nebo L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>Je-li vybrána možnost „Jedna klávesa“, stačí stisknout požadovanou klávesu a nastavení je hotové;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Je-li vybrána možnost „Kombinace kláves“, je nutné vybrat alespoň jednu modifikační klávesu a jednu další klávesu, například L_Shift+A nebo L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Klávesa může plnit čtyři funkce: ke čtyřem různým hloubkám stisku lze přiřadit 1 až 4 funkce.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Klávesa má dvě funkce: jednu při podržení a druhou při krátkém stisku.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Stiskem klávesy zapnete nebo vypnete nepřetržitou aktivaci.</translation>
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
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motiv</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obrázek na pozadí</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Automatické spuštění</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Spouštět aplikaci při startu systému (minimalizovaně)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Při zavření minimalizovat do oznamovací oblasti</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizace</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Zkontrolovat aktualizace firmwaru</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Obchod Taobao</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Podpora</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Odeslat zpětnou vazbu</translation>
    </message>
    <message>
        <source>Vorlan</source>
        <translation>Vorlan</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Aplikační software</translation>
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
        <translation>Zkontrolovat aktualizace</translation>
    </message>
    <message>
        <source>https://example.invalid/</source>
        <translation>https://example.invalid/</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tmavý</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Světlý</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Modrý</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Růžový</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Jiný</translation>
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
        <translation>Boční podsvícení</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Všechny režimy</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Celkové režimy</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktivní režimy</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jas +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jas -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Rychlost +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Rychlost -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Plnobarevný režim</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Změnit horní barvu</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Změnit dolní barvu</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Vypnout boční podsvícení</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Zastavit boční podsvícení</translation>
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
        <translation>Čín.</translation>
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
        <translation>Body aktivace pro akce DKS</translation>
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
        <translation>Rychlá aktivace</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Upravte zdvih k bodu aktivace a zdvih k bodu uvolnění podle toho, zda chcete klávesu stisknout, nebo uvolnit.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Oddělená citlivost</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Pro rychlou aktivaci lze zvlášť nastavit zdvih při stisku (aktivace) a při uvolnění (reset).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Stisk/uvolnění</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Stisk</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Uvolnění</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Potlačení zákmitů</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Frekvence dotazování</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Režim kalibrace</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Spustit kalibraci</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Kalibrace všech kláves</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Sledování zdvihu</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Resetovat citlivost</translation>
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
        <translation>Aktualizace firmwaru</translation>
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
        <translation>Virtuální klávesnice</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Neznámé</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation>Ukončení aplikace</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Konflikt, aplikace přestala fungovat!</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Hlasitost +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Hlasitost -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Ztlumit</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Přehrát/pozastavit</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Další skladba</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Předchozí skladba</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Přehrávač</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulačka</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Počítač</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Prohlížeč</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Jas obrazovky+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Jas obrazovky-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Levé tlačítko myši</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Prostřední tlačítko myši</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Pravé tlačítko myši</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Posunout nahoru</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Posunout dolů</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vpřed</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tlačítko Sniper</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zavřít okno</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Přepnout okna</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Zobrazit plochu</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Tento počítač</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zamknout počítač</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Vyjmout</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Najít</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Zamknout/odemknout Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Zamknout Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Odemknout Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Výchozí vrstva</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Vrstva FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Vrstva FN1</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Celkové režimy</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktivní režimy</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Všechny režimy</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statický</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jas +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jas -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Rychlost +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Rychlost -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Směr +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Směr -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Směr dokola</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Plnobarevný režim</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Změnit horní barvu</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Změnit dolní barvu</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Vlastní 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Vlastní 2</translation>
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
        <translation>Zamknout klávesnici</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Zjistit stav baterie</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Přepnout na 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Přepnout na USB</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Vypnout vše</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Vypnout podsvícení klávesnice</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Zastavit podsvícení klávesnice</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Nahrávání podsvícení</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Vypnout boční podsvícení</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Zastavit boční podsvícení</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Přemapovat klávesu</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinace kláves</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Zakázat</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Přepnout profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Spustit aplikaci</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Klávesové zkratky</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Funkce klávesnice</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Pokročilé klávesy</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Podsvícení klávesnice</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Boční podsvícení</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Seznam zařízení</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Zařízení není připojeno</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Probíhá kalibrace všech kláves...</translation>
    </message>
    <message>
        <source>Please press all keys</source>
        <translation>Stiskněte všechny klávesy</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Přiřazení kláves</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Nastavení podsvícení</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Výkon</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Nastavení aktivace</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Zařízení je offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Toto zařízení je již otevřené</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Probíhá kalibrace kláves</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Probíhá kalibrace kláves, chvíli počkejte</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Konfigurace byla zapsána do klávesnice</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Zápis konfigurace do klávesnice se nezdařil. Zkuste to znovu</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Na kterou klávesu?</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Nejprve vyberte klávesu</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operace proběhla úspěšně</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Nastavení se nezdařilo, text je prázdný</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Zapsat do klávesnice</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funkce:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klávesa</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Které klávesy zadat?</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Lehký stisk</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Silný stisk</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Nejprve přepněte do režimu kalibrace kláves</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Kalibrace kláves proběhla úspěšně</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Kalibrace kláves se nezdařila</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Byl dosažen maximální počet profilů</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Vytvoření se nezdařilo, uzel indexu již existuje, zkontrolujte to</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profil byl vytvořen</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Musí zůstat alespoň jeden profil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil byl odstraněn</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Složka pro uložení</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Nejprve vyberte složku pro uložení</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Tento uzel indexu neexistuje</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil byl exportován</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Export profilu se nezdařil</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Otevřít soubor profilu</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Soubory profilů (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Nejprve vyberte soubor k importu</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil byl importován</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Import profilu se nezdařil</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Název profilu nesmí být prázdný</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Údaje profilu byly změněny</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Resetovat aktuální profil?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Doba do režimu spánku podsvícení nesmí být delší než doba do režimu spánku klávesnice</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Doba do režimu spánku klávesnice je příliš krátká</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Nastavení doby do režimu spánku se nezdařilo</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Doba do režimu spánku byla nastavena</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Dýchání</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Vlna</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Třpyt</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Had</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Automatické vlnky</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Pruhy</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Polární záře</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Vlnky</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reakce</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kříž</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Ohňostroj</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Reakce na rychlost</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Rytmus hudby</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Vlastní</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Srážka</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Jas:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Rychlost:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Směr:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Plnobarevný</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Horní barva</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Dolní barva</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Vlastní podsvícení</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Klávesnice/boční podsvícení</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Informace o firmwaru</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Levé kliknutí</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Prostřední kliknutí</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Pravé kliknutí</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportovat</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Přejmenovat</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Přiřadit profil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Výběr aplikace</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Vyberte cestu k aplikaci</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Vybrat aplikaci</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Zadejte text...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Způsob přehrávání</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Přehrát jednou</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Přehrát vícekrát</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Nepřetržité přehrávání zap./vyp.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Přehrávat, dokud je klávesa stisknutá</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Počet opakování</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Počet opakování 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Přiřadit makro</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Tlačítka myši</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Nejprve přejděte do režimu kalibrace kláves;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Vyberte klávesu;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Klikněte na „Spustit kalibraci“;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Stiskněte vybranou klávesu;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Zobrazí se výsledek kalibrace;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Je-li zapnuto, rychlá aktivace skončí až po úplném uvolnění klávesy.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Je-li vypnuto, rychlá aktivace skončí, jakmile se klávesa při uvolňování vrátí k bodu aktivace.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Nastavte, jak dlouho je nutné klávesu držet pro aktivaci.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Je-li zapnuta kalibrace všech kláves, dokončete kalibraci stisknutím všech kláves.</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Když je zámek Win zapnutý:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Zakázat klávesu Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Zakázat SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Zakázat ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Zakázat ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Režim spánku podsvícení za:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Režim spánku klávesnice za:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Resetovat aktuální profil</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Vlastnosti klávesnice</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Zakázat režim spánku</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Stisk</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Aktivace</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Uvolnění</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Sledování zdvihu</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Citlivost stisku a uvolnění</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Rychlá aktivace</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Resetovat citlivost</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Potlačení zákmitů</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Frekvence dotazování</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Režim kalibrace kláves</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Spustit kalibraci</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Upravte zdvih k bodu aktivace a zdvih k bodu uvolnění podle toho, zda chcete klávesu stisknout, nebo uvolnit.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Pro rychlou aktivaci lze zvlášť nastavit zdvih při stisku (aktivace) a při uvolnění (reset).</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Kalibrace všech kláves</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Běžné klávesy</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Speciální klávesy</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motiv</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obrázek na pozadí</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Automatické spuštění</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Spouštět aplikaci při startu systému (minimalizovaně)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Při zavření minimalizovat do oznamovací oblasti</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizace</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Zkontrolovat aktualizace firmwaru</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Nebylo nalezeno žádné zařízení k aktualizaci</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Nastavení bylo použito</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Aktualizace firmwaru</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Během aktualizace firmwaru zařízení neodpojujte!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aktualizace proběhla úspěšně</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aktualizace se nezdařila</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Název produktu:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Průběh:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuální verze:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nová verze:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Název vlastního podsvícení nesmí být prázdný</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Název vlastního podsvícení byl změněn</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importovat</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Přesunout nahoru</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Přesunout dolů</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Nahrávání makra</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Skupina maker</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Nastavení prodlevy</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Nahrávat prodlevy</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Bez prodlevy</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Výchozí prodleva</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Spustit nahrávání</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Seznam událostí</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Záznam je prázdný</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Vložení události</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozice</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Vložit událost za</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Vložit událost před</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Událost</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Událost klávesnice</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Událost myši</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Akce</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Stiskněte klávesu</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Vlastnosti</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Prodleva</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Stisk klávesy</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Makro bylo přidáno</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Makro bylo odstraněno</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Nejprve vyberte makro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Záznam makra byl vymazán</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Název makra nesmí být prázdný</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Název makra byl změněn</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Nejprve vyberte pozici</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Byl dosažen maximální počet událostí v záznamu</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Událost byla vložena</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Událost byla upravena</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Makro bylo exportováno</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Otevřít soubor makra</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Soubory maker (*.xml)</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Makro bylo importováno</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Nahrávání makra bylo spuštěno</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Nahrávání makra bylo zastaveno</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Zastavit nahrávání</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Čín.</translation>
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
        <translation>Název produktu:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuální verze:</translation>
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
        <translation>Průběh:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nová verze:</translation>
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
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Hotovo</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Nelze přemapovat</translation>
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
        <translation>Exportovat</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Přejmenovat</translation>
    </message>
</context>
</TS>
