<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>DCustomKeysPage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DDeviceListItem</name>
    <message>
        <source>DDeviceListItem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VORLAN888</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>DDevicePage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>产品列表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>https://osterlin.example/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>DLightsConfigPage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DMainWidget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VORLAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RGB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V1.0.0.0.1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>DProfileMenuToolWidget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K45</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K56</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K131</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K132</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K133</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>DVirtualKeyboardTool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Static</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please press all keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Performance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breath</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Striation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K45</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K56</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K131</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K132</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K133</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
