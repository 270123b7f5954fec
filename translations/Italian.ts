<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>DAllKeysShowPage</source>
        <translation>DAllKeysShowPage</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Tasti normali</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Tasti speciali</translation>
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
        <translation>Associato:</translation>
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
        <translation>Assegna profilo</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
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
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funzione:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Livello predefinito</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Livello FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Trasferisci</translation>
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
        <translation>Elenco prodotti</translation>
    </message>
    <message>
        <source>https://osterlin.example/</source>
        <translation>https://osterlin.example/</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Prova tasti</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Cambia modalità principale</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
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
        <translation>Livello batteria</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo non connesso</translation>
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
        <translation>Info firmware</translation>
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
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostra desktop</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Blocca computer</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Risorse del computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
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
        <translation>Configurazione tasti</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Blocca/sblocca tasto Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Blocca tasto Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Sblocca tasto Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Blocca tastiera</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Mostra livello batteria</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Livello predefinito</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Livello FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Livello FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Passa a USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Passa a 2.4G</translation>
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
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Seleziona app</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Seleziona il percorso in cui si trova l&apos;app</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleziona applicazione</translation>
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
        <translation>Testo</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Inserisci testo...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Illuminazione tastiera</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Illuminazione globale</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Illuminazione interattiva</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tutte le luci</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statico</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosità +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosità -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocità +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocità -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direzione +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direzione -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direzione ciclica</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passa a multicolore</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambia colore superiore</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambia colore inferiore</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Spegni tutto</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Spegni retroilluminazione</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Ferma retroilluminazione</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Registrazione luci</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personalizzato 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizzato 2</translation>
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
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosità:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direzione:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Modalità di illuminazione</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Multicolore</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Colore superiore</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Colore inferiore</translation>
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
        <translation>Illuminazione personalizzata</translation>
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
        <translation>Accedi</translation>
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
        <translation>Modalità di riproduzione</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Riproduci una volta</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Riproduci più volte</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Riproduzione continua (attiva/disattiva)</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Riproduci finché il tasto assegnato è premuto</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Numero di riproduzioni</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Numero di riproduzioni 1, 2, 3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Assegna macro</translation>
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
        <translation>Assegnata</translation>
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
        <translation>Registrazione macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Gruppo macro</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Impostazione ritardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Registra ritardi</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Nessun ritardo</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Ritardo predefinito</translation>
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
        <translation>Registra</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Elenco eventi</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>La registrazione è vuota</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Inserisci evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserisci evento dopo</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserisci evento prima</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Evento tastiera</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Evento mouse</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Premi un tasto</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Inserisci il ritardo</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Premi tasto</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Ri&amp;duci a icona</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Ingr&amp;andisci</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>&amp;Esci</translation>
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
        <translation>Tasto del mouse</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Tasto sinistro</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Tasto centrale</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Tasto destro</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tasto cecchino</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scorri giù</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scorri su</translation>
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
        <translation>Multimediale</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Brano successivo</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Brano precedente</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Disattiva audio</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lettore multimediale</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calcolatrice</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Luminosità schermo +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Luminosità schermo -</translation>
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
        <translation>Con blocco Win attivo:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Disattiva tasto Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Disattiva MAIUSC+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Disattiva ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Disattiva ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Sospensione illuminazione dopo:</translation>
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
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Sospensione tastiera dopo:</translation>
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
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Impedisci sospensione</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Proprietà tastiera</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Ripristina profilo corrente</translation>
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
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Rinomina</translation>
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
        <translation>Predefinito</translation>
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
        <translation>Annulla</translation>
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
        <translation>Tasti avanzati</translation>
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
        <translation>Tasti avanzati</translation>
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
        <translation>Nuovo</translation>
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
        <translation>Il tasto ha due funzioni: una quando viene tenuto premuto e una quando viene premuto brevemente.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Pressione prolungata</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Pressione breve</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Durata pressione</translation>
    </message>
    <message>
        <source>1000MS</source>
        <translation>1000MS</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Premi questo tasto per attivare o disattivare l&apos;attivazione continua.</translation>
    </message>
    <message>
        <source>10/40</source>
        <translation>10/40</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Nessun tasto avanzato</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Tasto singolo</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>È stato raggiunto il numero massimo di tasti avanzati</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Tasto avanzato creato</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Tasto avanzato eliminato</translation>
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
        <translation>Con &quot;Tasto singolo&quot; basta fare clic su un tasto per completare l&apos;assegnazione; 
con &quot;Combinazione di tasti&quot; seleziona almeno un tasto modificatore e un altro tasto per inserire la combinazione di tasti, ad esempio L_Shift+A o L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>Con &quot;Tasto singolo&quot; basta fare clic su un tasto per completare l&apos;assegnazione;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Con &quot;Combinazione di tasti&quot; seleziona almeno un tasto modificatore e un altro tasto per inserire la combinazione di tasti, ad esempio L_Shift+A o L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Il tasto può svolgere quattro funzioni: puoi assegnare da 1 a 4 funzioni in base a quattro diverse profondità di pressione.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Il tasto ha due funzioni: una quando viene tenuto premuto e una quando viene premuto brevemente.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Premi questo tasto per attivare o disattivare l&apos;attivazione continua.</translation>
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
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Avvio automatico</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Avvia all&apos;avvio del sistema (ridotto a icona)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Riduci nell&apos;area di notifica alla chiusura</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Verifica aggiornamenti firmware</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Link Taobao</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Supporto</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Invia feedback</translation>
    </message>
    <message>
        <source>Vorlan</source>
        <translation>Vorlan</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software applicativo</translation>
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
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>https://example.invalid/</source>
        <translation>https://example.invalid/</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
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
        <translation>Luce ambientale</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tutte le luci</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Illuminazione globale</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Illuminazione interattiva</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosità +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosità -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocità +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocità -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passa a multicolore</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambia colore superiore</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambia colore inferiore</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Spegni luce ambientale</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Ferma luce ambientale</translation>
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
        <translation>Cor/Ing</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>K14</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>K45</source>
        <translation>&lt;&gt;</translation>
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
        <translation>Punti di attivazione delle azioni DKS</translation>
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
        <translation>Attivazione rapida</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Regola la corsa di attivazione e la corsa di rilascio in base a come intendi premere e rilasciare il tasto.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sensibilità separata</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Puoi impostare separatamente la corsa dell&apos;attivazione rapida in pressione (attivazione) e in rilascio (ripristino).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Pressione/Rilascio</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Rilascio</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Antirimbalzo tasti</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Frequenza di polling</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Modalità calibrazione</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Avvia calibrazione</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibrazione di tutti i tasti</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Monitoraggio corsa</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Ripristina sensibilità</translation>
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
        <translation>Aggiornamento firmware</translation>
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
        <translation>Tastiera virtuale</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation>Chiusura del software</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Conflitto: il software ha smesso di funzionare!</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Disattiva audio</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Brano successivo</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Brano precedente</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lettore multimediale</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calcolatrice</translation>
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
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Luminosità schermo +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Luminosità schermo -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Tasto sinistro</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Tasto centrale</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Tasto destro</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scorri su</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scorri giù</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tasto cecchino</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Cambia finestra</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostra desktop</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Risorse del computer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Blocca computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Blocca/sblocca tasto Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Blocca tasto Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Sblocca tasto Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Livello predefinito</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Livello FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Livello FN1</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Illuminazione globale</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Illuminazione interattiva</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tutte le luci</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statico</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosità +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosità -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocità +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocità -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direzione +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direzione -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direzione ciclica</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passa a multicolore</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambia colore superiore</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambia colore inferiore</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personalizzato 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizzato 2</translation>
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
        <translation>Blocca tastiera</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Mostra livello batteria</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Passa a 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Passa a USB</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Spegni tutto</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Spegni retroilluminazione</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Ferma retroilluminazione</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Registrazione luci</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Spegni luce ambientale</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Ferma luce ambientale</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Riassegna tasto</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimediale</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Cambia profilo</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Avvia applicazione</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Configurazione tasti</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Tasti avanzati</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Illuminazione tastiera</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Luce ambientale</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Elenco dispositivi</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo non connesso</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Calibrazione di tutti i tasti in corso...</translation>
    </message>
    <message>
        <source>Please press all keys</source>
        <translation>Premi tutti i tasti</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Assegnazione tasti</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Impostazioni illuminazione</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Prestazioni</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Impostazioni attivazione</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Il dispositivo è offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Questo dispositivo è già aperto</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Calibrazione dei tasti in corso</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Calibrazione dei tasti in corso, attendi un momento</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Configurazione trasferita</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Trasferimento della configurazione non riuscito, riprova</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Riassegnare a quale tasto?</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Seleziona prima un tasto</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Impostazione non riuscita: il testo è vuoto</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Trasferisci</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funzione:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Quali tasti inserire?</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Pressione leggera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressione forte</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Passa prima alla modalità calibrazione</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Calibrazione del tasto riuscita</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Calibrazione del tasto non riuscita</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>È stato raggiunto il numero massimo di profili</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Creazione non riuscita: il nodo indice esiste già, verifica</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profilo creato</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>È necessario mantenere almeno un profilo</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profilo eliminato</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Cartella di salvataggio</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleziona prima una cartella di salvataggio</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Il nodo indice non esiste</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profilo esportato</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Esportazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Apri file di profilo</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>File di profilo (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Seleziona prima un file da importare</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profilo importato</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Importazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Il nome del profilo non può essere vuoto</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Informazioni del profilo modificate</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Ripristinare il profilo corrente?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Il tempo di sospensione dell&apos;illuminazione non può superare quello della tastiera</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Il tempo di sospensione della tastiera è troppo breve</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Impostazione del tempo di sospensione non riuscita</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Tempo di sospensione impostato</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiro</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillio</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Increspatura automatica</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Striature</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Increspatura</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reattivo</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croce</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fuochi d&apos;artificio</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Risposta alla velocità</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musicale</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collisione</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosità:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direzione:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Multicolore</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Colore superiore</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Colore inferiore</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Illuminazione personalizzata</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Tastiera/Luce ambientale</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Info firmware</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Assegna profilo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Seleziona app</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Seleziona il percorso in cui si trova l&apos;app</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleziona applicazione</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Inserisci testo...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Modalità di riproduzione</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Riproduci una volta</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Riproduci più volte</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Riproduzione continua (attiva/disattiva)</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Riproduci finché il tasto assegnato è premuto</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Numero di riproduzioni</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Numero di riproduzioni 1, 2, 3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Assegna macro</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Tasto del mouse</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Passa prima alla modalità calibrazione;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Seleziona un tasto;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Fai clic su &quot;Avvia calibrazione&quot;;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Premi il tasto selezionato;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Viene mostrato il risultato della calibrazione;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Se attivata, l&apos;attivazione rapida termina solo quando rilasci completamente il tasto.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Se disattivata, l&apos;attivazione rapida termina non appena il tasto, in rilascio, risale oltre il punto di attivazione.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Imposta per quanto tempo il tasto deve essere premuto per l&apos;attivazione.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Con la calibrazione di tutti i tasti attiva, premi tutti i tasti per completare la calibrazione.</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Con blocco Win attivo:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Disattiva tasto Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Disattiva MAIUSC+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Disattiva ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Disattiva ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Sospensione illuminazione dopo:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Sospensione tastiera dopo:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Ripristina profilo corrente</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Proprietà tastiera</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Impedisci sospensione</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Attivazione</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Rilascio</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Monitoraggio corsa</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Sensibilità di pressione e rilascio</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Attivazione rapida</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Ripristina sensibilità</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Antirimbalzo tasti</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Frequenza di polling</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Modalità calibrazione</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Avvia calibrazione</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Regola la corsa di attivazione e la corsa di rilascio in base a come intendi premere e rilasciare il tasto.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Puoi impostare separatamente la corsa dell&apos;attivazione rapida in pressione (attivazione) e in rilascio (ripristino).</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibrazione di tutti i tasti</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Tasti normali</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Tasti speciali</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Avvio automatico</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Avvia all&apos;avvio del sistema (ridotto a icona)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Riduci nell&apos;area di notifica alla chiusura</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Verifica aggiornamenti firmware</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Nessun dispositivo da aggiornare</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Impostazioni salvate</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Aggiornamento firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Non scollegare il dispositivo durante l&apos;aggiornamento del firmware!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aggiornamento riuscito</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aggiornamento non riuscito</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Nome prodotto:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Avanzamento:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versione corrente:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nuova versione:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Il nome dell&apos;illuminazione personalizzata non può essere vuoto</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nome dell&apos;illuminazione personalizzata modificato</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Registrazione macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Gruppo macro</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Impostazione ritardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Registra ritardi</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Nessun ritardo</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Ritardo predefinito</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Avvia registrazione</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Elenco eventi</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>La registrazione è vuota</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Inserisci evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserisci evento dopo</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserisci evento prima</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Evento tastiera</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Evento mouse</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Premi un tasto</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Premi tasto</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro aggiunta</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminata</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Seleziona prima una macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Registrazione della macro cancellata</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Il nome della macro non può essere vuoto</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nome della macro modificato</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Seleziona prima una posizione</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>È stato raggiunto il numero massimo di eventi</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Evento inserito</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Evento modificato</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro esportata</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Apri file di macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>File di macro (*.xml)</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importata</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Registrazione della macro avviata</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Registrazione della macro terminata</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Termina registrazione</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Cor/Ing</translation>
    </message>
    <message>
        <source>K14</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>K45</source>
        <translation>&lt;&gt;</translation>
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
        <translation>Nome prodotto:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versione corrente:</translation>
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
        <translation>Avanzamento:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nuova versione:</translation>
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
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Riassegnazione non possibile</translation>
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
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Rinomina</translation>
    </message>
</context>
</TS>
