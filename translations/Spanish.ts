<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>DAllKeysShowPage</source>
        <translation>DAllKeysShowPage</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Teclas normales</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Teclas especiales</translation>
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
        <translation>Vinculado:</translation>
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
        <translation>Asignar perfil</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
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
        <translation>Función:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Capa predeterminada</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Capa FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Enviar al teclado</translation>
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
        <translation>Lista de productos</translation>
    </message>
    <message>
        <source>https://osterlin.example/</source>
        <translation>https://osterlin.example/</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Probar tecla</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Cambiar modo principal</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
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
        <translation>Nivel de batería</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo no conectado</translation>
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
        <translation>Información del firmware</translation>
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
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar escritorio</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear equipo</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mi PC</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
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
        <translation>Configuración del teclado</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Alternar bloqueo de Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Bloquear Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Desbloquear Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Bloquear teclado</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Consultar batería</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Capa predeterminada</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Capa FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Capa FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Cambiar a USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Cambiar a 2.4G</translation>
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
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Seleccione la ruta en la que se encuentra la aplicación</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleccionar aplicación</translation>
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
        <translation>Texto</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introduzca el texto...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Iluminación del teclado</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Efectos generales</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Efectos interactivos</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Todos los efectos</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brillo +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brillo -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidad +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidad -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Dirección +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Dirección -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Ciclo de dirección</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Pasar a multicolor</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambiar color superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambiar color inferior</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Apagar todo</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Apagar retroiluminación</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Detener retroiluminación</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Grabación de iluminación</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personalizado 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizado 2</translation>
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
        <translation>Brillo:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Modo de iluminación</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Multicolor</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Color superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Color inferior</translation>
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
        <translation>Iluminación personalizada</translation>
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
        <translation>Iniciar sesión</translation>
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
        <translation>Modo de reproducción</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproducir una vez</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproducir varias veces</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reproducción continua (activar/desactivar)</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproducir mientras se mantenga pulsada la tecla asignada</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Número de repeticiones</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Número de repeticiones 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Asignar macro</translation>
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
        <translation>Asignada</translation>
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
        <translation>Grabación de macros</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Grupo de macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Configuración de retardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Grabar retardos</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sin retardo</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Retardo predeterminado</translation>
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
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista de eventos</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>La grabación está vacía</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insertar evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insertar evento después</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insertar evento antes</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Evento de teclado</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Evento de ratón</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Pulse una tecla</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Introduzca el retardo</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Pulsar tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Ma&amp;ximizar</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>&amp;Salir</translation>
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
        <translation>Botón del ratón</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Botón de francotirador</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Desplazar abajo</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Desplazar arriba</translation>
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
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Pista siguiente</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Pista anterior</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volumen +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volumen -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Reproductor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Brillo de pantalla+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Brillo de pantalla-</translation>
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
        <translation>Con el bloqueo de Win activado:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Desactivar tecla Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Desactivar MAYÚS+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Desactivar ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Desactivar ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Suspender iluminación tras:</translation>
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
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Suspender teclado tras:</translation>
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
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Impedir suspensión</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propiedades del teclado</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Restablecer perfil actual</translation>
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
        <translation>Crear</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Cambiar nombre</translation>
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
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>NULL</source>
        <translation>NULL</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Teclas avanzadas</translation>
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
        <translation>Teclas avanzadas</translation>
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
        <translation>Crear</translation>
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
        <translation>La tecla tiene dos funciones: una al mantenerla pulsada y otra al pulsarla brevemente.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Mantener</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Pulsar brevemente</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Duración de la pulsación</translation>
    </message>
    <message>
        <source>1000MS</source>
        <translation>1000MS</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Pulse esta tecla para iniciar o detener la activación continua.</translation>
    </message>
    <message>
        <source>10/40</source>
        <translation>10/40</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>No hay teclas avanzadas</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Tecla única</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Se ha alcanzado el número máximo de teclas avanzadas</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Tecla avanzada creada correctamente</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Tecla avanzada eliminada correctamente</translation>
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
        <translation>Con «Tecla única» seleccionada, basta con pulsar una tecla para completar la configuración; 
Con «Combinación de teclas» seleccionada, hay que elegir al menos una tecla modificadora y otra tecla para completar la combinación, por ejemplo L_Shift+A o L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>Con «Tecla única» seleccionada, basta con pulsar una tecla para completar la configuración;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Con «Combinación de teclas» seleccionada, hay que elegir al menos una tecla modificadora y otra tecla para completar la combinación, por ejemplo L_Shift+A o L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>La tecla admite cuatro funciones: se pueden asignar de 1 a 4 funciones según cuatro profundidades de pulsación distintas.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>La tecla tiene dos funciones: una al mantenerla pulsada y otra al pulsarla brevemente.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Pulse esta tecla para iniciar o detener la activación continua.</translation>
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
        <translation>Configuración</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Inicio automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar la aplicación al arrancar el sistema (minimizada)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Minimizar en la bandeja al cerrar</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Buscar actualizaciones de firmware</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Enlace a Taobao</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Enviar comentarios</translation>
    </message>
    <message>
        <source>Vorlan</source>
        <translation>Vorlan</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software de aplicación</translation>
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
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>https://example.invalid/</source>
        <translation>https://example.invalid/</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
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
        <translation>Luz ambiental</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Todos los efectos</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Efectos generales</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Efectos interactivos</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brillo +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brillo -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidad +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidad -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Pasar a multicolor</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambiar color superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambiar color inferior</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Apagar luz ambiental</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Detener luz ambiental</translation>
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
        <translation>Chino</translation>
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
        <translation>Puntos de activación de las acciones DKS</translation>
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
        <translation>Activación rápida</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Ajuste a su medida el recorrido de activación y el de restablecimiento según vaya a pulsar o soltar la tecla.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sensibilidad independiente</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Puede ajustar por separado el recorrido de la activación rápida al pulsar (activación) y al soltar (restablecimiento).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Pulsar/Soltar</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Pulsar</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Antirrebote</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Tasa de sondeo</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Entrar en modo de calibración</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Iniciar calibración</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibración de todas las teclas</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Seguimiento del recorrido</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Restablecer sensibilidad</translation>
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
        <translation>Actualizar firmware</translation>
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
        <translation>Teclado virtual</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation>Cierre del programa</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>¡Conflicto: el programa ha dejado de funcionar!</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volumen +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volumen -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Pista siguiente</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Pista anterior</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Reproductor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Brillo de pantalla+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Brillo de pantalla-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Desplazar arriba</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Desplazar abajo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Botón de francotirador</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Cambiar de ventana</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar escritorio</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mi PC</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear equipo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Bloquear/desbloquear Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Bloquear Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Desbloquear Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Capa predeterminada</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Capa FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Capa FN1</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Efectos generales</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Efectos interactivos</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Todos los efectos</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brillo +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brillo -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidad +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidad -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Dirección +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Dirección -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Ciclo de dirección</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Pasar a multicolor</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambiar color superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambiar color inferior</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personalizado 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizado 2</translation>
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
        <translation>Bloquear teclado</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Consultar batería</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Cambiar a 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Cambiar a USB</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Apagar todo</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Apagar retroiluminación</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Detener retroiluminación</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Grabación de iluminación</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Apagar luz ambiental</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Detener luz ambiental</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Reasignar tecla</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Cambiar de perfil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Abrir aplicación</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Configuración del teclado</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Teclas avanzadas</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Iluminación del teclado</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Luz ambiental</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Lista de dispositivos</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo no conectado</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Calibrando todas las teclas...</translation>
    </message>
    <message>
        <source>Please press all keys</source>
        <translation>Pulse todas las teclas</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Asignación de teclas</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Iluminación</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Ajustes de activación</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>El dispositivo está desconectado</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Este dispositivo ya está abierto</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Calibración de teclas en curso</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Calibración de teclas en curso; espere un momento</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Configuración enviada al teclado correctamente</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>No se pudo enviar la configuración al teclado. Inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>¿A qué tecla reasignar?</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Seleccione primero una tecla</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operación realizada correctamente</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>No se pudo aplicar: el texto está vacío</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Enviar al teclado</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Función:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>¿Qué teclas desea introducir?</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Pulsación ligera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pulsación fuerte</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Active primero el modo de calibración de teclas</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Calibración de teclas completada</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Error en la calibración de teclas</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Se ha alcanzado el número máximo de perfiles</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>No se pudo crear: el nodo de índice ya existe. Compruébelo</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Perfil creado correctamente</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Debe conservarse al menos un perfil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Perfil eliminado correctamente</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleccione primero la carpeta de destino</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>El nodo de índice no existe</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Perfil exportado correctamente</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>No se pudo exportar el perfil</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Abrir archivo de perfil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Archivos de perfil (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Seleccione primero el archivo que desea importar</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Perfil importado correctamente</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>No se pudo importar el perfil</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>El nombre del perfil no puede estar vacío</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Información del perfil modificada correctamente</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>¿Desea restablecer el perfil actual?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>El tiempo de suspensión de la iluminación no puede ser mayor que el del teclado</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>El tiempo de suspensión del teclado es demasiado corto</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>No se pudo establecer el tiempo de suspensión</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Tiempo de suspensión establecido</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neón</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiración</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Centelleo</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Ondulación automática</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Franjas</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulación</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reactivo</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fuegos artificiales</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Respuesta a la velocidad</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musical</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Colisión</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brillo:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Multicolor</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Color superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Color inferior</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Iluminación personalizada</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Teclado/Ambiental</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Información del firmware</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Asignar perfil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Seleccione la ruta en la que se encuentra la aplicación</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introduzca el texto...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Modo de reproducción</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproducir una vez</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproducir varias veces</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reproducción continua (activar/desactivar)</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproducir mientras se mantenga pulsada la tecla asignada</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Número de repeticiones</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Número de repeticiones 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Asignar macro</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Botón del ratón</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Active primero el modo de calibración de teclas;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Seleccione una tecla;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Haga clic en «Iniciar calibración»;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Pulse la tecla seleccionada;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Se muestran los resultados de la calibración;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Si está activada, la activación rápida solo termina al soltar la tecla por completo.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Si está desactivada, la activación rápida termina en cuanto la tecla sube por encima del punto de activación.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Establezca cuánto tiempo debe pulsarse la tecla para la activación.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Con la calibración de todas las teclas activada, pulse todas las teclas para completar la calibración.</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Con el bloqueo de Win activado:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Desactivar tecla Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Desactivar MAYÚS+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Desactivar ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Desactivar ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Suspender iluminación tras:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Suspender teclado tras:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Restablecer perfil actual</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propiedades del teclado</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Impedir suspensión</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Pulsar</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Activación</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Seguimiento del recorrido</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Sensibilidad al pulsar y al soltar</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Activación rápida</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Restablecer sensibilidad</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Antirrebote</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Tasa de sondeo</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Modo de calibración de teclas</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Iniciar calibración</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Ajuste a su medida el recorrido de activación y el de restablecimiento según vaya a pulsar o soltar la tecla.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Puede ajustar por separado el recorrido de la activación rápida al pulsar (activación) y al soltar (restablecimiento).</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibración de todas las teclas</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Teclas normales</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Teclas especiales</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Inicio automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar la aplicación al arrancar el sistema (minimizada)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Minimizar en la bandeja al cerrar</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Buscar actualizaciones de firmware</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>No se encontraron dispositivos que actualizar</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Configuración aplicada</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Actualizar firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>¡No desconecte el dispositivo mientras se actualiza el firmware!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Actualización completada</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Error en la actualización</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Nombre del producto:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progreso:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versión actual:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nueva versión:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>El nombre de la iluminación personalizada no puede estar vacío</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nombre de la iluminación personalizada modificado correctamente</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Grabación de macros</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Grupo de macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Configuración de retardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Grabar retardos</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sin retardo</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Retardo predeterminado</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Iniciar grabación</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista de eventos</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>La grabación está vacía</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insertar evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insertar evento después</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insertar evento antes</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Evento de teclado</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Evento de ratón</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Pulse una tecla</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Pulsar tecla</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro añadida correctamente</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminada correctamente</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Seleccione primero una macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Grabación de la macro borrada correctamente</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>El nombre de la macro no puede estar vacío</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nombre de la macro modificado correctamente</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Seleccione primero una posición</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Se ha alcanzado el número máximo de eventos</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Evento insertado correctamente</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Evento modificado correctamente</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportada correctamente</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Abrir archivo de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Archivos de macro (*.xml)</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importada correctamente</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Grabación de la macro iniciada</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Grabación de la macro detenida</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Detener grabación</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
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
        <translation>Nombre del producto:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versión actual:</translation>
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
        <translation>Progreso:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nueva versión:</translation>
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
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>No se puede reasignar</translation>
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
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Cambiar nombre</translation>
    </message>
</context>
</TS>
