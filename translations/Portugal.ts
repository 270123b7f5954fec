<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>DAllKeysShowPage</source>
        <translation>DAllKeysShowPage</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Teclas normais</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Teclas especiais</translation>
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
        <translation>Associado:</translation>
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
        <translation>Atribuir perfil</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Predefinição</translation>
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
        <translation>Função:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Camada padrão</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Camada FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>A carregar</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Enviar para o teclado</translation>
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
        <translation>Lista de produtos</translation>
    </message>
    <message>
        <source>https://osterlin.example/</source>
        <translation>https://osterlin.example/</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Testar tecla</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Mudar modo principal</translation>
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
        <translation>Nível da bateria</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo não ligado</translation>
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
        <translation>Informações do firmware</translation>
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
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar ambiente de trabalho</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fechar janela</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear computador</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>O meu computador</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
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
        <translation>Novo</translation>
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
        <translation>Configuração do teclado</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Alternar bloqueio do Win</translation>
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
        <translation>Consultar bateria</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Camada padrão</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Camada FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Camada FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Mudar para USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Mudar para 2.4G</translation>
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
        <translation>Desativar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Selecione o caminho onde se encontra a aplicação</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Selecionar aplicação</translation>
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
        <translation>Introduza o texto...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Iluminação do teclado</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Efeitos gerais</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Efeitos interativos</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Todos os efeitos</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brilho +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brilho -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidade +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidade -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direção +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direção -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Ciclo de direção</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passar a multicor</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Mudar cor superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Mudar cor inferior</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Desligar tudo</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Desligar retroiluminação</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Parar retroiluminação</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Gravação de iluminação</translation>
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
        <translation>Brilho:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidade:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direção:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Modo de iluminação</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Multicor</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Cor superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Cor inferior</translation>
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
        <translation>Iluminação personalizada</translation>
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
        <translation>Iniciar sessão</translation>
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
        <translation>Modo de reprodução</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproduzir uma vez</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproduzir várias vezes</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reprodução contínua (ativar/desativar)</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproduzir enquanto a tecla atribuída estiver premida</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Número de repetições</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Número de repetições 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Atribuir macro</translation>
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
        <translation>Atribuída</translation>
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
        <translation>Gravação de macros</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Grupo de macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Definição de atraso</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Gravar atrasos</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sem atraso</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Atraso predefinido</translation>
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
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista de eventos</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>A gravação está vazia</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Inserir evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserir evento depois</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserir evento antes</translation>
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
        <translation>Evento de rato</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Prima uma tecla</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clique central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clique direito</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Introduza o atraso</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Premir tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
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
        <translation>&amp;Sair</translation>
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
        <translation>Botão do rato</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botão esquerdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botão central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botão direito</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Botão de precisão</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Deslocar para baixo</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Deslocar para cima</translation>
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
        <translation>Reproduzir/Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Faixa seguinte</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Faixa anterior</translation>
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
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Leitor multimédia</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correio eletrónico</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Brilho do ecrã+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Brilho do ecrã-</translation>
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
        <translation>Com o bloqueio do Win ativo:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Desativar tecla Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Desativar SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Desativar ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Desativar ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Suspender iluminação após:</translation>
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
        <translation>Suspender teclado após:</translation>
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
        <translation>Impedir suspensão</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propriedades do teclado</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Repor perfil atual</translation>
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
        <translation>Criar</translation>
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
        <translation>Mudar o nome</translation>
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
        <translation>Predefinição</translation>
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
        <translation>Teclas avançadas</translation>
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
        <translation>Teclas avançadas</translation>
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
        <translation>Criar</translation>
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
        <translation>A tecla tem duas funções: uma ao mantê-la premida e outra ao premi-la brevemente.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Manter</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Premir brevemente</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Duração da pressão</translation>
    </message>
    <message>
        <source>1000MS</source>
        <translation>1000MS</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Prima esta tecla para iniciar ou parar o acionamento contínuo.</translation>
    </message>
    <message>
        <source>10/40</source>
        <translation>10/40</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Não existem teclas avançadas</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Tecla única</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Foi atingido o número máximo de teclas avançadas</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Tecla avançada criada com êxito</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Tecla avançada eliminada com êxito</translation>
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
        <translation>Com «Tecla única» selecionada, basta premir uma tecla para concluir a configuração; 
Com «Combinação de teclas» selecionada, é necessário escolher pelo menos uma tecla modificadora e outra tecla para concluir a combinação, por exemplo L_Shift+A ou L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>Com «Tecla única» selecionada, basta premir uma tecla para concluir a configuração;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Com «Combinação de teclas» selecionada, é necessário escolher pelo menos uma tecla modificadora e outra tecla para concluir a combinação, por exemplo L_Shift+A ou L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>A tecla suporta quatro funções: é possível atribuir de 1 a 4 funções consoante quatro profundidades de pressão diferentes.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>A tecla tem duas funções: uma ao mantê-la premida e outra ao premi-la brevemente.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Prima esta tecla para iniciar ou parar o acionamento contínuo.</translation>
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
        <translation>Definições</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
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
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Início automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar a aplicação com o sistema (minimizada)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Minimizar para a área de notificação ao fechar</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Procurar atualizações de firmware</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Ligação Taobao</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Enviar comentários</translation>
    </message>
    <message>
        <source>Vorlan</source>
        <translation>Vorlan</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software de aplicação</translation>
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
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>https://example.invalid/</source>
        <translation>https://example.invalid/</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
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
        <translation>Outro</translation>
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
        <translation>Luz ambiente</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Todos os efeitos</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Efeitos gerais</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Efeitos interativos</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brilho +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brilho -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidade +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidade -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passar a multicor</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Mudar cor superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Mudar cor inferior</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Desligar luz ambiente</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Parar luz ambiente</translation>
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
        <translation>Chinês</translation>
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
        <translation>Pontos de acionamento das ações DKS</translation>
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
        <translation>Acionamento rápido</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Personalize o curso de acionamento e o curso de reposição consoante pretenda premir ou soltar a tecla.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sensibilidade independente</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Pode definir separadamente o curso do acionamento rápido ao premir (acionamento) e ao soltar (reposição).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Premir/Soltar</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Premir</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Anti-ressalto</translation>
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
        <translation>Taxa de sondagem</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Entrar no modo de calibração</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Iniciar calibração</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibração de todas as teclas</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Acompanhamento do curso</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Repor sensibilidade</translation>
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
        <translation>Atualizar firmware</translation>
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
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation>Encerramento do programa</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Conflito: o programa deixou de funcionar!</translation>
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
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproduzir/Pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Faixa seguinte</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Faixa anterior</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Leitor multimédia</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correio eletrónico</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Brilho do ecrã+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Brilho do ecrã-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botão esquerdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botão central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botão direito</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Deslocar para cima</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Deslocar para baixo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Botão de precisão</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fechar janela</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Alternar janelas</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar ambiente de trabalho</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>O meu computador</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear computador</translation>
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
        <translation>Colar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
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
        <translation>Camada padrão</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Camada FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Camada FN1</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Efeitos gerais</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Efeitos interativos</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Todos os efeitos</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brilho +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brilho -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidade +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidade -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direção +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direção -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Ciclo de direção</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passar a multicor</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Mudar cor superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Mudar cor inferior</translation>
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
        <translation>Consultar bateria</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Mudar para 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Mudar para USB</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Desligar tudo</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Desligar retroiluminação</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Parar retroiluminação</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Gravação de iluminação</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Desligar luz ambiente</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Parar luz ambiente</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Reatribuir tecla</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Mudar de perfil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Abrir aplicação</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Configuração do teclado</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Teclas avançadas</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Iluminação do teclado</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Luz ambiente</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Lista de dispositivos</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo não ligado</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>A calibrar todas as teclas...</translation>
    </message>
    <message>
        <source>Please press all keys</source>
        <translation>Prima todas as teclas</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Atribuição de teclas</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Iluminação</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Desempenho</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Definições de acionamento</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>O dispositivo está sem ligação</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Este dispositivo já está aberto</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Calibração de teclas em curso</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Calibração de teclas em curso; aguarde um momento</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Configuração enviada para o teclado com êxito</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Não foi possível enviar a configuração para o teclado. Tente novamente</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Reatribuir a que tecla?</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Selecione primeiro uma tecla</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operação concluída com êxito</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Não foi possível aplicar: o texto está vazio</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Enviar para o teclado</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Função:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Que teclas pretende introduzir?</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Pressão leve</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressão forte</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Ative primeiro o modo de calibração de teclas</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Calibração de teclas concluída</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Falha na calibração de teclas</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Foi atingido o número máximo de perfis</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Não foi possível criar: o nó de índice já existe. Verifique</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Perfil criado com êxito</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>É necessário manter pelo menos um perfil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Perfil eliminado com êxito</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Selecione primeiro a pasta de destino</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>O nó de índice não existe</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Perfil exportado com êxito</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Não foi possível exportar o perfil</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Abrir ficheiro de perfil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Ficheiros de perfil (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Selecione primeiro o ficheiro a importar</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Perfil importado com êxito</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Não foi possível importar o perfil</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>O nome do perfil não pode estar vazio</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Informações do perfil alteradas com êxito</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Pretende repor o perfil atual?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>O tempo de suspensão da iluminação não pode ser superior ao do teclado</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>O tempo de suspensão do teclado é demasiado curto</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Não foi possível definir o tempo de suspensão</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Tempo de suspensão definido</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiração</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Cintilação</translation>
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
        <translation>Ondulação automática</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Faixas</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulação</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reativo</translation>
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
        <translation>Fogo de artifício</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Resposta à velocidade</translation>
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
        <translation>Colisão</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brilho:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidade:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direção:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Multicor</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Cor superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Cor inferior</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Iluminação personalizada</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Teclado/Ambiente</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Informações do firmware</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clique central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clique direito</translation>
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
        <translation>Mudar o nome</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Atribuir perfil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Selecione o caminho onde se encontra a aplicação</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introduza o texto...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Modo de reprodução</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproduzir uma vez</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproduzir várias vezes</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reprodução contínua (ativar/desativar)</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproduzir enquanto a tecla atribuída estiver premida</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Número de repetições</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Número de repetições 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Atribuir macro</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Botão do rato</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Ative primeiro o modo de calibração de teclas;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Selecione uma tecla;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Clique em «Iniciar calibração»;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Prima a tecla selecionada;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. São apresentados os resultados da calibração;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Quando ativada, o acionamento rápido só termina quando soltar a tecla por completo.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Quando desativada, o acionamento rápido termina assim que a tecla sobe acima do ponto de acionamento.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Defina durante quanto tempo a tecla tem de ser premida para o acionamento.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Com a calibração de todas as teclas ativa, prima todas as teclas para concluir a calibração.</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Com o bloqueio do Win ativo:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Desativar tecla Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Desativar SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Desativar ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Desativar ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Suspender iluminação após:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Suspender teclado após:</translation>
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
        <translation>Repor perfil atual</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propriedades do teclado</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Impedir suspensão</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Premir</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Acionamento</translation>
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
        <translation>Acompanhamento do curso</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Sensibilidade ao premir e ao soltar</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Acionamento rápido</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Repor sensibilidade</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Anti-ressalto</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Taxa de sondagem</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Modo de calibração de teclas</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Iniciar calibração</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Personalize o curso de acionamento e o curso de reposição consoante pretenda premir ou soltar a tecla.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Pode definir separadamente o curso do acionamento rápido ao premir (acionamento) e ao soltar (reposição).</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibração de todas as teclas</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Teclas normais</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Teclas especiais</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
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
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Início automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar a aplicação com o sistema (minimizada)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Minimizar para a área de notificação ao fechar</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Procurar atualizações de firmware</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Não foram encontrados dispositivos a atualizar</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Definições aplicadas</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Atualizar firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Não desligue o dispositivo enquanto o firmware estiver a ser atualizado!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Atualização concluída</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Falha na atualização</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Nome do produto:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progresso:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versão atual:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nova versão:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>O nome da iluminação personalizada não pode estar vazio</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nome da iluminação personalizada alterado com êxito</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Gravação de macros</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Grupo de macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Definição de atraso</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Gravar atrasos</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sem atraso</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Atraso predefinido</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Iniciar gravação</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista de eventos</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>A gravação está vazia</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Inserir evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserir evento depois</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserir evento antes</translation>
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
        <translation>Evento de rato</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Prima uma tecla</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Premir tecla</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro adicionada com êxito</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminada com êxito</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Selecione primeiro uma macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Gravação da macro limpa com êxito</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>O nome da macro não pode estar vazio</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nome da macro alterado com êxito</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Selecione primeiro uma posição</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Foi atingido o número máximo de eventos</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Evento inserido com êxito</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Evento alterado com êxito</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportada com êxito</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Abrir ficheiro de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Ficheiros de macro (*.xml)</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importada com êxito</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Gravação da macro iniciada</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Gravação da macro terminada</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Parar gravação</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Chinês</translation>
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
        <translation>Nome do produto:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versão atual:</translation>
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
        <translation>Progresso:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nova versão:</translation>
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
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Não é possível reatribuir</translation>
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
        <translation>Mudar o nome</translation>
    </message>
</context>
</TS>
