<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>DAllKeysShowPage</source>
        <translation>DAllKeysShowPage</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>조합키</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>일반 키</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>특수 키</translation>
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
        <translation>연결:</translation>
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
        <translation>프로필 지정</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
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
        <translation>유형:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>기능:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>스페이스</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>기본 레이어</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 레이어</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>불러오는 중</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>쓰기</translation>
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
        <translation>제품 목록</translation>
    </message>
    <message>
        <source>https://osterlin.example/</source>
        <translation>https://osterlin.example/</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>리셋</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>키 테스트</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>메인 모드 전환</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>키보드</translation>
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
        <translation>배터리 잔량</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>장치가 연결되지 않았습니다</translation>
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
        <translation>펌웨어 정보</translation>
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
        <translation>바로 가기 키</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>창 닫기</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>컴퓨터 잠금</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>내 컴퓨터</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
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
        <translation>키 설정</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Win 키 잠금/해제</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win 키 잠금</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win 키 잠금 해제</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>키보드 잠금</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>배터리 잔량 확인</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>기본 레이어</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 레이어</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 레이어</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USB로 전환</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2.4G로 전환</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>블루투스 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>블루투스 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>블루투스 3</translation>
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
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
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
        <translation>앱 선택</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>앱이 있는 경로를 선택하세요</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>응용 프로그램 선택</translation>
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
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>텍스트 입력...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
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
        <translation>키보드 조명</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>전체 효과</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>반응 효과</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>모든 효과</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>고정</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>밝기 +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>밝기 -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>속도 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>속도 -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>방향 +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>방향 -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>방향 순환</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>풀 컬러로 전환</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>상단 색상 전환</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>하단 색상 전환</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>모두 끄기</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>백라이트 끄기</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>백라이트 정지</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>조명 녹화</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>사용자 지정 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>사용자 지정 2</translation>
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
        <translation>유형:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>밝기:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>속도:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>방향:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>조명 모드</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>풀 컬러</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>상단 색상</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>하단 색상</translation>
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
        <translation>사용자 지정 조명</translation>
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
        <translation>로그인</translation>
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
        <translation>재생 방식</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>1회 재생</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>여러 번 재생</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>연속 재생 켜기/끄기</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>할당된 키를 누르는 동안 재생</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>재생 횟수</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>재생 횟수 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>매크로 할당</translation>
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
        <translation>할당됨</translation>
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
        <translation>매크로 녹화</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>매크로 그룹</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>지연 설정</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>지연 시간 녹화</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>지연 없음</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>기본 지연</translation>
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
        <translation>녹화</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>이벤트 목록</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>녹화된 내용이 없습니다</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>이벤트 삽입</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>뒤에 이벤트 삽입</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>앞에 이벤트 삽입</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>키보드 이벤트</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>마우스 이벤트</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>지연</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>키를 입력하세요</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>지연 시간을 입력하세요</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>삽입</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>속성</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>키 누르기</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>수정</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>최소화(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>최대화(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>복원(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>종료(&amp;Q)</translation>
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
        <translation>마우스 버튼</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>마우스 왼쪽 버튼</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>마우스 가운데 버튼</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>마우스 오른쪽 버튼</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>스나이퍼 키</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>아래로 스크롤</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>위로 스크롤</translation>
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
        <translation>멀티미디어</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>다음 트랙</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>이전 트랙</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>볼륨 +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>볼륨 -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>계산기</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>브라우저</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>화면 밝기+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>화면 밝기-</translation>
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
        <translation>Win 잠금이 켜져 있을 때:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows 키 사용 안 함</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB 사용 안 함</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB 사용 안 함</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 사용 안 함</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>조명 절전 시간:</translation>
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
        <translation>초</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>키보드 절전 시간:</translation>
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
        <translation>분</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>절전 사용 안 함</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>키보드 속성</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>현재 프로필 리셋</translation>
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
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>이름 변경</translation>
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
        <translation>기본값</translation>
    </message>
    <message>
        <source>NULL</source>
        <translation>NULL</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
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
        <translation>고급 키</translation>
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
        <translation>고급 키</translation>
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
        <translation>새로 만들기</translation>
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
        <translation>이 키에는 두 가지 기능이 있습니다. 길게 누를 때 하나, 짧게 누를 때 다른 하나가 실행됩니다.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>길게 누르기</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>짧게 누르기</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>길게 누름 시간</translation>
    </message>
    <message>
        <source>1000MS</source>
        <translation>1000MS</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>이 키를 누를 때마다 연속 입력이 켜지거나 꺼집니다.</translation>
    </message>
    <message>
        <source>10/40</source>
        <translation>10/40</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>고급 키가 없습니다</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>단일 키</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>조합키</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>고급 키 개수가 최대에 도달했습니다</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>고급 키를 만들었습니다</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>고급 키를 삭제했습니다</translation>
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
        <translation>&apos;단일 키&apos;를 선택한 경우 키 하나만 클릭하면 키 설정이 완료됩니다.
&apos;조합키&apos;를 선택한 경우 보조키를 하나 이상, 다른 키를 하나 이상 선택해야 조합키 입력이 완료됩니다(예: L_Shift+A 또는 L_Shift+L_Ctrl+A).</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>&apos;단일 키&apos;를 선택한 경우 키 하나만 클릭하면 키 설정이 완료됩니다.</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>&apos;조합키&apos;를 선택한 경우 보조키를 하나 이상, 다른 키를 하나 이상 선택해야 조합키 입력이 완료됩니다(예: L_Shift+A 또는 L_Shift+L_Ctrl+A).</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>이 키는 최대 네 가지 기능을 수행할 수 있습니다. 네 단계의 누름 깊이에 따라 기능을 1~4개 할당할 수 있습니다.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>이 키에는 두 가지 기능이 있습니다. 길게 누를 때 하나, 짧게 누를 때 다른 하나가 실행됩니다.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>이 키를 누를 때마다 연속 입력이 켜지거나 꺼집니다.</translation>
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
        <translation>설정</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>배경 이미지</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>자동 시작</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>시스템 시작 시 프로그램 실행(최소화)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>닫을 때 트레이로 최소화</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>펌웨어 업데이트 확인</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Taobao 링크</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>지원</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>피드백 보내기</translation>
    </message>
    <message>
        <source>Vorlan</source>
        <translation>Vorlan</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>응용 소프트웨어</translation>
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
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>https://example.invalid/</source>
        <translation>https://example.invalid/</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>다크</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>라이트</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>블루</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>핑크</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>기타</translation>
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
        <translation>무드등</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>모든 효과</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>전체 효과</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>반응 효과</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>밝기 +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>밝기 -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>속도 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>속도 -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>풀 컬러로 전환</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>상단 색상 전환</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>하단 색상 전환</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>무드등 끄기</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>무드등 정지</translation>
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
        <translation>한/영</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>중국어</translation>
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
        <translation>DKS 동작의 작동 지점</translation>
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
        <translation>래피드 트리거</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>누르고 떼는 의도에 맞게 작동 스트로크와 리셋 스트로크를 조정할 수 있습니다.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>누름/해제 감도 개별 설정</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>래피드 트리거의 누름(작동)과 해제(리셋) 스트로크 값을 각각 설정할 수 있습니다.</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>누름/해제</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>누름</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>해제</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>디바운스</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>폴링 레이트</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>보정 모드 시작</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>보정 시작</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>전체 키 보정</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>스트로크 추적</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>감도 리셋</translation>
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
        <translation>펌웨어 업데이트</translation>
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
        <translation>가상 키보드</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation>프로그램 종료</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>충돌이 발생하여 프로그램이 중지되었습니다!</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>볼륨 +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>볼륨 -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>다음 트랙</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>이전 트랙</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>계산기</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>브라우저</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>화면 밝기+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>화면 밝기-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>마우스 왼쪽 버튼</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>마우스 가운데 버튼</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>마우스 오른쪽 버튼</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>위로 스크롤</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>아래로 스크롤</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>스나이퍼 키</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>창 닫기</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>창 전환</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>내 컴퓨터</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>컴퓨터 잠금</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Win 키 잠금/해제</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win 키 잠금</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win 키 잠금 해제</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>기본 레이어</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 레이어</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 레이어</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>전체 효과</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>반응 효과</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>모든 효과</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>고정</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>밝기 +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>밝기 -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>속도 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>속도 -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>방향 +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>방향 -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>방향 순환</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>풀 컬러로 전환</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>상단 색상 전환</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>하단 색상 전환</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>사용자 지정 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>사용자 지정 2</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>블루투스 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>블루투스 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>블루투스 3</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>키보드 잠금</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>배터리 잔량 확인</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2.4G로 전환</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USB로 전환</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>모두 끄기</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>백라이트 끄기</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>백라이트 정지</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>조명 녹화</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>무드등 끄기</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>무드등 정지</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>키 매핑</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>조합키</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>멀티미디어</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>프로필 전환</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>프로그램 실행</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>바로 가기 키</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>키 설정</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>고급 키</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>키보드 조명</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>무드등</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>장치 목록</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>장치가 연결되지 않았습니다</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>리셋</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>전체 키 보정 중...</translation>
    </message>
    <message>
        <source>Please press all keys</source>
        <translation>모든 키를 누르세요</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>키 사용자 지정</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>조명 설정</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>성능</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>트리거 설정</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>장치가 오프라인 상태입니다</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>이미 열려 있는 장치입니다</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>키 보정이 진행 중입니다</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>키 보정이 진행 중입니다. 잠시 기다려 주세요</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>설정을 키보드에 썼습니다</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>설정 쓰기에 실패했습니다. 다시 시도하세요</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>어떤 키로 매핑하시겠습니까?</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>먼저 키를 하나 선택하세요</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>작업을 완료했습니다</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>텍스트가 비어 있어 설정하지 못했습니다</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>쓰기</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>기능:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>어떤 키를 입력하시겠습니까?</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>가볍게 누르기</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>세게 누르기</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>먼저 키 보정 모드로 전환하세요</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>키 보정에 성공했습니다</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>키 보정에 실패했습니다</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>프로필 개수가 최대에 도달했습니다</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>만들지 못했습니다. 인덱스 노드가 이미 있습니다. 확인하세요</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>프로필을 만들었습니다</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>프로필을 하나 이상 유지해야 합니다</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>프로필을 삭제했습니다</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>저장 폴더</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>먼저 저장 폴더를 선택하세요</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>이 인덱스 노드가 없습니다</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>프로필을 내보냈습니다</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>프로필을 내보내지 못했습니다</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>프로필 파일 열기</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>프로필 파일(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>먼저 가져올 파일을 선택하세요</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>프로필을 가져왔습니다</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>프로필을 가져오지 못했습니다</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>프로필 이름을 입력하세요</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>프로필 정보를 수정했습니다</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>현재 프로필을 리셋하시겠습니까?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>조명 절전 시간은 키보드 절전 시간보다 길 수 없습니다</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>키보드 절전 시간이 너무 짧습니다</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>절전 시간을 설정하지 못했습니다</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>절전 시간을 설정했습니다</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>네온</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>브리딩</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>웨이브</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>반짝임</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>스네이크</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>레이더</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>자동 물결</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>줄무늬</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>오로라</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>물결</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>반응형</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>크로스</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>불꽃놀이</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>속도 반응</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>음악 리듬</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>충돌</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>밝기:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>속도:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>방향:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>풀 컬러</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>상단 색상</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>하단 색상</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>사용자 지정 조명</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>키보드/무드등</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>펌웨어 정보</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>이름 변경</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>프로필 지정</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>앱 선택</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>앱이 있는 경로를 선택하세요</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>응용 프로그램 선택</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>텍스트 입력...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>재생 방식</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>1회 재생</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>여러 번 재생</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>연속 재생 켜기/끄기</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>할당된 키를 누르는 동안 재생</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>재생 횟수</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>재생 횟수 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>매크로 할당</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>마우스 버튼</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.먼저 키 보정 모드로 들어갑니다.</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.키를 하나 선택합니다.</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3.&apos;보정 시작&apos;을 클릭합니다.</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.선택한 키를 누릅니다.</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.키 보정 결과가 표시됩니다.</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>켜면 키를 완전히 뗐을 때만 래피드 트리거가 종료됩니다.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>끄면 키가 작동 지점까지 올라왔을 때 래피드 트리거가 종료됩니다.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>작동에 필요한 키 누름 시간을 설정합니다.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>전체 키 보정을 켠 후 모든 키를 눌러 보정을 완료하세요.</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win 잠금이 켜져 있을 때:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows 키 사용 안 함</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB 사용 안 함</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB 사용 안 함</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 사용 안 함</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>조명 절전 시간:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>초</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>키보드 절전 시간:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>현재 프로필 리셋</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>키보드 속성</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>절전 사용 안 함</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>누름</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>작동</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>해제</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>스트로크 추적</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>누름/해제 감도 개별 설정</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>래피드 트리거</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>감도 리셋</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>디바운스</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>폴링 레이트</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>키 보정 모드</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>보정 시작</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>누르고 떼는 의도에 맞게 작동 스트로크와 리셋 스트로크를 조정할 수 있습니다.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>래피드 트리거의 누름(작동)과 해제(리셋) 스트로크 값을 각각 설정할 수 있습니다.</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>전체 키 보정</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>일반 키</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>특수 키</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>배경 이미지</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>자동 시작</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>시스템 시작 시 프로그램 실행(최소화)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>닫을 때 트레이로 최소화</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>펌웨어 업데이트 확인</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>업데이트할 수 있는 장치가 없습니다</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>설정했습니다</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>펌웨어 업데이트</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>펌웨어 업데이트 중에는 장치를 분리하지 마세요!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>업데이트에 성공했습니다</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>업데이트에 실패했습니다</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>제품명:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>진행률:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>현재 버전:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>새 버전:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>사용자 지정 조명 이름을 입력하세요</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>사용자 지정 조명 이름을 변경했습니다</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>위로 이동</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>아래로 이동</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>매크로 녹화</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>매크로 그룹</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>지연 설정</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>지연 시간 녹화</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>지연 없음</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>기본 지연</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>녹화 시작</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>이벤트 목록</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>녹화된 내용이 없습니다</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>이벤트 삽입</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>뒤에 이벤트 삽입</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>앞에 이벤트 삽입</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>키보드 이벤트</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>마우스 이벤트</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>키를 입력하세요</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>삽입</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>속성</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>지연</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>키 누르기</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>수정</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>매크로를 추가했습니다</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>매크로를 삭제했습니다</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>먼저 매크로를 선택하세요</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>매크로 녹화 내용을 지웠습니다</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>매크로 이름을 입력하세요</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>매크로 이름을 변경했습니다</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>먼저 위치를 선택하세요</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>녹화된 이벤트 개수가 최대에 도달했습니다</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>이벤트를 삽입했습니다</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>이벤트를 수정했습니다</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>매크로를 내보냈습니다</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>매크로 파일 열기</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>매크로 파일(*.xml)</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>매크로를 가져왔습니다</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>매크로 녹화를 시작했습니다</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>매크로 녹화를 정지했습니다</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>녹화 정지</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>중국어</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>한/영</translation>
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
        <translation>제품명:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>현재 버전:</translation>
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
        <translation>진행률:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>새 버전:</translation>
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
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>키를 매핑할 수 없습니다</translation>
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
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>이름 변경</translation>
    </message>
</context>
</TS>
