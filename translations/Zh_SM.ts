<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>默认</translation>
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
        <translation>类型：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>功能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>默认层</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN层</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>加载中</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
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
        <translation>产品列表</translation>
    </message>
    <message>
        <source>https://osterlin.example/</source>
        <translation>https://osterlin.example/</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>测试按键</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>切换主模式</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
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
        <translation>电量显示</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>设备未连接</translation>
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
        <translation>类型：</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>亮度：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>方向：</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>灯光模式</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>全彩</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上层颜色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>底层颜色</translation>
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
        <translation>自定义灯光</translation>
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
        <translation>登录</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>最大化(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>还原(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>退出(&amp;Q)</translation>
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
    <name>DPerformancePage</name>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
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
        <translation>新建</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名称</translation>
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
        <translation>韩/英</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>K14</source>
        <translation>K14</translation>
    </message>
    <message>
        <source>K45</source>
        <translation>K45</translation>
    </message>
    <message>
        <source>K56</source>
        <translation>K56</translation>
    </message>
    <message>
        <source>K131</source>
        <translation>K131</translation>
    </message>
    <message>
        <source>K132</source>
        <translation>K132</translation>
    </message>
    <message>
        <source>K133</source>
        <translation>K133</translation>
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
        <translation>虚拟键盘</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation>软件退出</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>冲突，软件停止运行！</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>音量 +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>音量 -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>计算器</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>计算机</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>浏览器</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>屏幕亮度+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>屏幕亮度-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>鼠标左键</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>鼠标中键</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>鼠标右键</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>切换窗口</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>锁定电脑</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>锁定/解锁 Win 键</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>锁定 Win 键</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>解锁 Win 键</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>默认层</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN层</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1层</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>整体灯效</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>互动灯效</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>全部灯光</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>常亮</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>亮度 +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>亮度 -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>速度 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>速度 -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>方向 +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>方向 -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>方向循环</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>进入全彩</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>切换顶部颜色</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>切换底部颜色</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>自定义 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>自定义 2</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>蓝牙 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>蓝牙 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>蓝牙 3</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>锁定键盘</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>电量查询</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>切换到 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>切换到 USB</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>全部关闭</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>关闭背光</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>停止背光</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>灯光录制</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>关闭侧灯</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>停止侧灯</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>改键</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>切换配置文件</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>启动应用程序</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>按键配置</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>高级键</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>键盘灯光</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>氛围灯</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>设备列表</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>设备未连接</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>全键校准中 ...</translation>
    </message>
    <message>
        <source>Please press all keys</source>
        <translation>请按下所有按键</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>按键自定义</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>灯光设置</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>性能</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>触发设置</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>设备已离线</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>该设备已打开</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>按键校准进行中</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>按键校准中，请稍候</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>下载配置成功</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>下载配置失败，请重试</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>映射为哪个按键？</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>请先选择一个按键</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>设置失败，文本为空</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>功能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>输入哪些按键？</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>轻按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>请先切换到按键校准模式</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>按键校准成功</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>按键校准失败</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>配置文件数量已达上限</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>创建失败，该索引节点已存在，请检查</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>创建配置文件成功</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>至少需要保留一个配置文件</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>删除配置文件成功</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存目录</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>请先选择保存目录</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>该索引节点不存在</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>导出配置文件成功</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>导出配置文件失败</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>配置文件(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>请先选择导入文件</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>导入配置文件成功</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>导入配置文件失败</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>配置文件名称不能为空</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>修改配置文件信息成功</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>是否重置当前配置文件？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>灯光进入休眠的时间不能长于键盘进入休眠的时间</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>键盘进入休眠的时间过短</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>休眠时间设置失败</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>休眠时间已设置</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>霓虹</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>蛇形</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>雷达</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>自动涟漪</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>条纹</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>极光</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>涟漪</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>触发</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>十字</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>烟花</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>速度响应</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>音乐律动</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>碰撞</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>亮度：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>方向：</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>全彩</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上层颜色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>底层颜色</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>自定义灯光</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>键盘/氛围灯</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>韩/英</translation>
    </message>
    <message>
        <source>K14</source>
        <translation>K14</translation>
    </message>
    <message>
        <source>K45</source>
        <translation>K45</translation>
    </message>
    <message>
        <source>K56</source>
        <translation>K56</translation>
    </message>
    <message>
        <source>K131</source>
        <translation>K131</translation>
    </message>
    <message>
        <source>K132</source>
        <translation>K132</translation>
    </message>
    <message>
        <source>K133</source>
        <translation>K133</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>无法改键</translation>
    </message>
</context>
</TS>
