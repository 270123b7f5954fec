<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>DAllKeysShowPage</source>
        <translation>DAllKeysShowPage</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>組み合わせキー</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>通常キー</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>特殊キー</translation>
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
        <translation>関連付け：</translation>
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
        <translation>プロファイルの指定</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
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
        <translation>種類：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>機能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>既定レイヤー</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FNレイヤー</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>書き込み</translation>
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
        <translation>製品リスト</translation>
    </message>
    <message>
        <source>https://osterlin.example/</source>
        <translation>https://osterlin.example/</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>キーテスト</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>メインモード切り替え</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
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
        <translation>バッテリー残量</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>デバイスが接続されていません</translation>
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
        <translation>ファームウェア情報</translation>
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
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>デスクトップを表示</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>コンピューターをロック</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>マイコンピューター</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
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
        <translation>キー設定</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Winキーのロック/解除</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Winキーをロック</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Winキーのロック解除</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>キーボードをロック</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>バッテリー残量確認</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>既定レイヤー</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FNレイヤー</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1レイヤー</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USBに切り替え</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2.4Gに切り替え</translation>
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
        <translation>無効化</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>アプリを選択</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>アプリケーションの場所を選択してください</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>アプリケーションを選択</translation>
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
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>テキストを入力...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>キーボードライト</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>全体エフェクト</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>反応エフェクト</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>すべてのエフェクト</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>常時点灯</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>明るさ +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>明るさ -</translation>
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
        <translation>方向ループ</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>フルカラーに切り替え</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>上層色の切り替え</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>下層色の切り替え</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>すべてオフ</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>バックライトをオフ</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>バックライトを停止</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>ライティング記録</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>カスタム 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>カスタム 2</translation>
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
        <translation>種類：</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>明るさ：</translation>
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
        <translation>ライティングモード</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>フルカラー</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上層色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下層色</translation>
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
        <translation>カスタムライト</translation>
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
        <translation>ログイン</translation>
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
        <translation>再生方法</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>1回再生</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>複数回再生</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>連続再生のオン/オフ</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>割り当てたキーを押している間再生</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>再生回数</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>再生回数 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>マクロの割り当て</translation>
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
        <translation>割り当て済み</translation>
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
        <translation>マクロ記録</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>マクログループ</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>遅延設定</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>遅延を記録</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>遅延なし</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>デフォルト遅延</translation>
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
        <translation>記録</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>イベントリスト</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>記録がありません</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>イベントの挿入</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>後ろにイベントを挿入</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>前にイベントを挿入</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>キーボードイベント</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>マウスイベント</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>遅延</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>キーを入力してください</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>遅延値を入力してください</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>キーを押す</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>変更</translation>
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
        <translation>元のサイズに戻す(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>終了(&amp;Q)</translation>
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
        <translation>マウスボタン</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>マウス左ボタン</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>マウス中ボタン</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>マウス右ボタン</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>スナイパーキー</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>下スクロール</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>上スクロール</translation>
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
        <translation>マルチメディア</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>次のトラック</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>前のトラック</translation>
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
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレーヤー</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>電卓</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>画面の明るさ+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>画面の明るさ-</translation>
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
        <translation>Winロックがオンのとき：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windowsキーを無効化</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TABを無効化</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TABを無効化</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4を無効化</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>ライトのスリープ時間：</translation>
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
        <translation>秒</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>キーボードのスリープ時間：</translation>
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
        <translation>分</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>スリープを無効化</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>キーボードのプロパティ</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>現在のプロファイルをリセット</translation>
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
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>名前の変更</translation>
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
        <translation>デフォルト</translation>
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
        <translation>キャンセル</translation>
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
        <translation>アドバンスキー</translation>
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
        <translation>アドバンスキー</translation>
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
        <translation>新規作成</translation>
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
        <translation>このキーには2つの機能があります。長押しで1つ、短押しでもう1つの機能が働きます。</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>長押し</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>短押し</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>長押し時間</translation>
    </message>
    <message>
        <source>1000MS</source>
        <translation>1000MS</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>このキーを押すたびに、連続入力のオン/オフが切り替わります。</translation>
    </message>
    <message>
        <source>10/40</source>
        <translation>10/40</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>アドバンスキーがありません</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>単一キー</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>組み合わせキー</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>アドバンスキーの数が上限に達しました</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>アドバンスキーを作成しました</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>アドバンスキーを削除しました</translation>
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
        <translation>「単一キー」を選択した場合は、いずれかのキーをクリックするだけでキー設定が完了します。
「組み合わせキー」を選択した場合は、修飾キーを1つ以上と、その他のキーを1つ以上選択して組み合わせキーの入力を完了します（例：L_Shift+A、L_Shift+L_Ctrl+A）。</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>「単一キー」を選択した場合は、いずれかのキーをクリックするだけでキー設定が完了します。</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>「組み合わせキー」を選択した場合は、修飾キーを1つ以上と、その他のキーを1つ以上選択して組み合わせキーの入力を完了します（例：L_Shift+A、L_Shift+L_Ctrl+A）。</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>このキーには最大4つの機能を設定できます。4段階の押し込み深さに応じて1～4個の機能を割り当てられます。</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>このキーには2つの機能があります。長押しで1つ、短押しでもう1つの機能が働きます。</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>このキーを押すたびに、連続入力のオン/オフが切り替わります。</translation>
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
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景画像</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>自動起動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>システムの起動時にアプリケーションを起動する（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>閉じるときにトレイに格納</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>ファームウェアアップデートの確認</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Taobaoリンク</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>フィードバックを送信</translation>
    </message>
    <message>
        <source>Vorlan</source>
        <translation>Vorlan</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>アプリケーションソフトウェア</translation>
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
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>https://example.invalid/</source>
        <translation>https://example.invalid/</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>ブルー</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
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
        <translation>アンビエントライト</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>すべてのエフェクト</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>全体エフェクト</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>反応エフェクト</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>明るさ +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>明るさ -</translation>
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
        <source>Into full color</source>
        <translation>フルカラーに切り替え</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>上層色の切り替え</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>下層色の切り替え</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>アンビエントライトをオフ</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>アンビエントライトを停止</translation>
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
        <translation>韓/英</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中国語</translation>
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
        <translation>DKSアクションの作動ポイント</translation>
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
        <translation>ラピッドトリガー</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>押す・離す操作に合わせて、作動ストロークとリセットストロークを調整できます。</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>押下/リリース感度の個別設定</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>ラピッドトリガーの押下（作動）とリリース（リセット）のストローク値を個別に設定できます。</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>押下/リリース</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>押下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>リリース</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>チャタリング防止</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>ポーリングレート</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>キャリブレーションモードに入る</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>キャリブレーション開始</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>全キーキャリブレーション</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>ストローク追跡</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>感度をリセット</translation>
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
        <translation>ファームウェアのアップデート</translation>
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
        <translation>仮想キーボード</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation>ソフトウェアの終了</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>競合が発生したため、ソフトウェアを終了します。</translation>
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
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>次のトラック</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>前のトラック</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレーヤー</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>電卓</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>画面の明るさ+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>画面の明るさ-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>マウス左ボタン</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>マウス中ボタン</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>マウス右ボタン</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>上スクロール</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>下スクロール</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>スナイパーキー</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>ウィンドウの切り替え</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>デスクトップを表示</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>マイコンピューター</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>コンピューターをロック</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Winキーのロック/解除</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Winキーをロック</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Winキーのロック解除</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>既定レイヤー</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FNレイヤー</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1レイヤー</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>全体エフェクト</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>反応エフェクト</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>すべてのエフェクト</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>常時点灯</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>明るさ +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>明るさ -</translation>
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
        <translation>方向ループ</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>フルカラーに切り替え</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>上層色の切り替え</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>下層色の切り替え</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>カスタム 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>カスタム 2</translation>
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
        <translation>キーボードをロック</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>バッテリー残量確認</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2.4Gに切り替え</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USBに切り替え</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>すべてオフ</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>バックライトをオフ</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>バックライトを停止</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>ライティング記録</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>アンビエントライトをオフ</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>アンビエントライトを停止</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>キーリマップ</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>組み合わせキー</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>マルチメディア</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効化</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>プロファイル切り替え</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>アプリケーションを起動</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>キー設定</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>アドバンスキー</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>キーボードライト</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>アンビエントライト</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>デバイスリスト</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>デバイスが接続されていません</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>全キーキャリブレーション中...</translation>
    </message>
    <message>
        <source>Please press all keys</source>
        <translation>すべてのキーを押してください</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>キーカスタマイズ</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>ライティング設定</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>パフォーマンス</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>トリガー設定</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>デバイスがオフラインです</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>このデバイスはすでに開いています</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>キーキャリブレーションを実行中です</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>キーキャリブレーション中です。しばらくお待ちください</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>設定を書き込みました</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>設定の書き込みに失敗しました。もう一度お試しください</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>リマップ先のキー</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>先にキーを1つ選択してください</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>操作が完了しました</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>テキストが空のため設定できませんでした</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>機能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>どのキーを入力しますか？</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>軽く押す</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>強く押す</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>先にキーキャリブレーションモードに切り替えてください</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>キーキャリブレーションに成功しました</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>キーキャリブレーションに失敗しました</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>プロファイルの数が上限に達しました</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>作成できませんでした。このインデックスノードはすでに存在します。確認してください</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>プロファイルを作成しました</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>プロファイルを1つ以上残す必要があります</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>プロファイルを削除しました</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存先フォルダー</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>先に保存先フォルダーを選択してください</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>このインデックスノードは存在しません</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>プロファイルをエクスポートしました</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>プロファイルのエクスポートに失敗しました</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>プロファイルファイルを開く</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>プロファイルファイル (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>先にインポートするファイルを選択してください</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>プロファイルをインポートしました</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>プロファイルのインポートに失敗しました</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>プロファイル名を入力してください</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>プロファイル情報を変更しました</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>現在のプロファイルをリセットしますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>ライトがスリープするまでの時間は、キーボードがスリープするまでの時間より長くできません</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>キーボードのスリープ時間が短すぎます</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>スリープ時間の設定に失敗しました</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>スリープ時間を設定しました</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>ネオン</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>ブリージング</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>ウェーブ</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>トゥインクル</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>スネーク</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>レーダー</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>オートリップル</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>ストライプ</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>オーロラ</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>リップル</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>リアクティブ</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>クロス</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>花火</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>速度反応</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>音楽リズム</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>コリジョン</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>明るさ：</translation>
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
        <translation>フルカラー</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上層色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下層色</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>カスタムライト</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>キーボード/アンビエント</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>ファームウェア情報</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>プロファイルの指定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>アプリを選択</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>アプリケーションの場所を選択してください</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>アプリケーションを選択</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>テキストを入力...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>再生方法</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>1回再生</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>複数回再生</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>連続再生のオン/オフ</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>割り当てたキーを押している間再生</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>再生回数</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>再生回数 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>マクロの割り当て</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>マウスボタン</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.まずキーキャリブレーションモードに入ります。</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.キーを1つ選択します。</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3.「キャリブレーション開始」をクリックします。</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.選択したキーを押します。</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.キーキャリブレーションの結果が表示されます。</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>有効にすると、キーを完全に離したときにのみラピッドトリガーが終了します。</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>無効にすると、キーが作動ポイントまで戻った時点でラピッドトリガーが終了します。</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>作動に必要なキーの押下時間を設定します。</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>全キーキャリブレーションを有効にしたら、すべてのキーを押してキャリブレーションを完了してください。</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Winロックがオンのとき：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windowsキーを無効化</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TABを無効化</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TABを無効化</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4を無効化</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>ライトのスリープ時間：</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>キーボードのスリープ時間：</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>現在のプロファイルをリセット</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>キーボードのプロパティ</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>スリープを無効化</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>押下</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>作動</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>リリース</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>ストローク追跡</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>押下/リリース感度の個別設定</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>ラピッドトリガー</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>感度をリセット</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>チャタリング防止</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>ポーリングレート</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>キーキャリブレーションモード</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>キャリブレーション開始</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>押す・離す操作に合わせて、作動ストロークとリセットストロークを調整できます。</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>ラピッドトリガーの押下（作動）とリリース（リセット）のストローク値を個別に設定できます。</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>全キーキャリブレーション</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>通常キー</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>特殊キー</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景画像</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>自動起動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>システムの起動時にアプリケーションを起動する（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>閉じるときにトレイに格納</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>ファームウェアアップデートの確認</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>アップデート可能なデバイスが見つかりません</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>設定しました</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>ファームウェアのアップデート</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>ファームウェアのアップデート中は、デバイスを取り外さないでください！</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>アップデートが完了しました</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>アップデートに失敗しました</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>製品名：</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>進行状況：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>現在のバージョン：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新しいバージョン：</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>カスタムライト名を入力してください</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>カスタムライト名を変更しました</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>マクロ記録</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>マクログループ</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>遅延設定</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>遅延を記録</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>遅延なし</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>デフォルト遅延</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>記録開始</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>イベントリスト</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>記録がありません</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>イベントの挿入</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>後ろにイベントを挿入</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>前にイベントを挿入</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>キーボードイベント</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>マウスイベント</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>キーを入力してください</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>遅延</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>キーを押す</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>マクロを追加しました</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>マクロを削除しました</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>先にマクロを選択してください</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>マクロの記録をクリアしました</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>マクロ名を入力してください</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>マクロ名を変更しました</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>先に位置を選択してください</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>記録できるイベントの数が上限に達しました</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>イベントを挿入しました</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>イベントを変更しました</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>マクロをエクスポートしました</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>マクロファイルを開く</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>マクロファイル (*.xml)</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>マクロをインポートしました</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>マクロの記録を開始しました</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>マクロの記録を停止しました</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>記録停止</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>中国語</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>韓/英</translation>
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
        <translation>製品名：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>現在のバージョン：</translation>
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
        <translation>進行状況：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新しいバージョン：</translation>
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
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>リマップできません</translation>
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
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>名前の変更</translation>
    </message>
</context>
</TS>
