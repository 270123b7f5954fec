<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>DAllKeysShowPage</source>
        <translation>DAllKeysShowPage</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>تركيبة مفاتيح</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>مفاتيح عادية</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>مفاتيح خاصة</translation>
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
        <translation>مرتبط بـ:</translation>
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
        <translation>تعيين ملف تعريف</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
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
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>الوظيفة:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>مفتاح</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>مسافة</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>الطبقة الافتراضية</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>طبقة FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>جارٍ التحميل</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
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
        <translation>قائمة المنتجات</translation>
    </message>
    <message>
        <source>https://osterlin.example/</source>
        <translation>https://osterlin.example/</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إعادة الضبط</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>اختبار المفاتيح</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>تبديل الوضع الرئيسي</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>لوحة المفاتيح</translation>
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
        <translation>مستوى البطارية</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>الجهاز غير متصل</translation>
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
        <translation>معلومات البرنامج الثابت</translation>
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
        <translation>اختصارات</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>إظهار سطح المكتب</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>قفل الكمبيوتر</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>جهاز الكمبيوتر</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
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
        <translation>تكوين المفتاح</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>قفل/إلغاء قفل مفتاح Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>قفل مفتاح Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>إلغاء قفل مفتاح Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>قفل لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>الاستعلام عن البطارية</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>الطبقة الافتراضية</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>طبقة FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>طبقة FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>التبديل إلى USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>التبديل إلى 2.4G</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>بلوتوث 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>بلوتوث 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>بلوتوث 3</translation>
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
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
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
        <translation>اختيار تطبيق</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>يُرجى تحديد المسار الذي يوجد فيه التطبيق</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>اختيار التطبيق</translation>
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
        <translation>نص</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>أدخل النص...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
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
        <translation>إضاءة لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>تأثيرات شاملة</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>تأثيرات تفاعلية</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>كل التأثيرات</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>السطوع +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>السطوع -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>السرعة +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>السرعة -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>الاتجاه +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>الاتجاه -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>تدوير الاتجاه</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>متعدد الألوان</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>تبديل اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>تبديل اللون السفلي</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>إطفاء الكل</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>إطفاء الإضاءة الخلفية</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>إيقاف الإضاءة الخلفية</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>تسجيل الإضاءة</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>مخصص 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>مخصص 2</translation>
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
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>السطوع:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>السرعة:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>الاتجاه:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>وضع الإضاءة</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>متعدد الألوان</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>اللون السفلي</translation>
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
        <translation>إضاءة مخصصة</translation>
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
        <translation>تسجيل الدخول</translation>
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
        <translation>طريقة التشغيل</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>تشغيل مرة واحدة</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>تشغيل عدة مرات</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>تشغيل/إيقاف التشغيل المستمر</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>التشغيل أثناء الضغط على المفتاح المعيَّن</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>عدد مرات التشغيل</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>عدد مرات التشغيل 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>تعيين ماكرو</translation>
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
        <translation>مُعيَّن</translation>
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
        <translation>تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>مجموعة الماكرو</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>إعداد التأخير</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>تسجيل التأخير</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>بدون تأخير</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>التأخير الافتراضي</translation>
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
        <translation>تسجيل</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>قائمة الأحداث</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>التسجيل فارغ</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>إدراج حدث</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>إدراج حدث بعده</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>إدراج حدث قبله</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>حدث</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>حدث لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>حدث الماوس</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>تأخير</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>إجراء</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>يُرجى إدخال مفتاح</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>نقرة يسرى</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>نقرة وسطى</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>نقرة يمنى</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>يُرجى إدخال قيمة التأخير</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>إدراج</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>الخصائص</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>ضغط مفتاح</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>الماوس</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>تعديل</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>تصغير(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>تكبير(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>استعادة(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>خروج(&amp;Q)</translation>
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
        <translation>زر الماوس</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>زر الماوس الأيسر</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>زر الماوس الأوسط</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>زر الماوس الأيمن</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>تقدُّم</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>مفتاح القنص</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>التمرير لأسفل</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>التمرير لأعلى</translation>
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
        <translation>الوسائط المتعددة</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>تشغيل/إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>المقطع التالي</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>المقطع السابق</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>مستوى الصوت +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>مستوى الصوت -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>مشغل الوسائط</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>الكمبيوتر</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>المتصفح</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>سطوع الشاشة+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>سطوع الشاشة-</translation>
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
        <translation>عند تشغيل قفل Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>تعطيل مفتاح Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>تعطيل SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>تعطيل ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>تعطيل ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>وقت سكون الإضاءة:</translation>
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
        <translation>ثانية</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>وقت سكون لوحة المفاتيح:</translation>
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
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>منع السكون</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>خصائص لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>إعادة ضبط ملف التعريف الحالي</translation>
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
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>تغيير الاسم</translation>
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
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>NULL</source>
        <translation>NULL</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
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
        <translation>مفاتيح متقدمة</translation>
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
        <translation>مفاتيح متقدمة</translation>
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
        <translation>إنشاء</translation>
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
        <translation>لهذا المفتاح وظيفتان: وظيفة عند الضغط المطوّل، وأخرى عند الضغط القصير.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>ضغط مطوّل</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>ضغط قصير</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>مدة الضغط المطوّل</translation>
    </message>
    <message>
        <source>1000MS</source>
        <translation>1000MS</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>اضغط هذا المفتاح لتشغيل التفعيل المستمر أو إيقافه.</translation>
    </message>
    <message>
        <source>10/40</source>
        <translation>10/40</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>لا توجد مفاتيح متقدمة</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>مفتاح واحد</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>تركيبة مفاتيح</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>وصل عدد المفاتيح المتقدمة إلى الحد الأقصى</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>تم إنشاء المفتاح المتقدم بنجاح</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>تم حذف المفتاح المتقدم بنجاح</translation>
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
        <translation>عند اختيار «مفتاح واحد»، يكفي النقر على أي مفتاح لإكمال إعداد المفتاح؛
عند اختيار «تركيبة مفاتيح»، يجب اختيار مفتاح تعديل واحد على الأقل ومفتاح آخر واحد على الأقل لإكمال إدخال تركيبة المفاتيح، مثل L_Shift+A أو L_Shift+L_Ctrl+A.</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>عند اختيار «مفتاح واحد»، يكفي النقر على أي مفتاح لإكمال إعداد المفتاح.</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>عند اختيار «تركيبة مفاتيح»، يجب اختيار مفتاح تعديل واحد على الأقل ومفتاح آخر واحد على الأقل لإكمال إدخال تركيبة المفاتيح، مثل L_Shift+A أو L_Shift+L_Ctrl+A.</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>يمكن لهذا المفتاح أداء أربع وظائف: يمكن ربط من 1 إلى 4 وظائف حسب أربعة أعماق ضغط مختلفة.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>لهذا المفتاح وظيفتان: وظيفة عند الضغط المطوّل، وأخرى عند الضغط القصير.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>اضغط هذا المفتاح لتشغيل التفعيل المستمر أو إيقافه.</translation>
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
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>صورة الخلفية</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>التشغيل التلقائي</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>تشغيل التطبيق عند بدء تشغيل النظام (مصغّرًا)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>التصغير إلى منطقة الإعلام عند الإغلاق</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>فحص تحديثات البرنامج الثابت</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>رابط Taobao</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>الدعم</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>إرسال ملاحظات</translation>
    </message>
    <message>
        <source>Vorlan</source>
        <translation>Vorlan</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>برنامج التطبيق</translation>
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
        <translation>التحقق من وجود تحديثات</translation>
    </message>
    <message>
        <source>https://example.invalid/</source>
        <translation>https://example.invalid/</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>وردي</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>أخرى</translation>
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
        <translation>الإضاءة المحيطة</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>كل التأثيرات</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>تأثيرات شاملة</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>تأثيرات تفاعلية</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>السطوع +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>السطوع -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>السرعة +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>السرعة -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>متعدد الألوان</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>تبديل اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>تبديل اللون السفلي</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>إطفاء الإضاءة المحيطة</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>إيقاف الإضاءة المحيطة</translation>
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
        <translation>Kr/En</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>صيني</translation>
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
        <translation>نقاط التفعيل لإجراءات DKS</translation>
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
        <translation>التفعيل السريع</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>خصّص مسافة التفعيل ومسافة إعادة الضبط واضبطهما وفقًا لطريقتك في الضغط على المفتاح وتحريره.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>حساسية منفصلة للضغط والتحرير</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>يمكنك ضبط قيمتي مسافة الضغط (التفعيل) والتحرير (إعادة الضبط) في التفعيل السريع كلٍّ على حدة.</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>ضغط/تحرير</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>ضغط</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>منع ارتداد المفاتيح</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>معدل الاستطلاع</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>الدخول إلى وضع المعايرة</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>بدء المعايرة</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>معايرة جميع المفاتيح</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>تتبع مسافة الضغط</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>إعادة ضبط الحساسية</translation>
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
        <translation>تحديث البرنامج الثابت</translation>
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
        <translation>لوحة المفاتيح الافتراضية</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Software exit</source>
        <translation>إنهاء البرنامج</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>حدث تعارض، وتوقف البرنامج عن العمل!</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>مستوى الصوت +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>مستوى الصوت -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>تشغيل/إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>المقطع التالي</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>المقطع السابق</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>مشغل الوسائط</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>الكمبيوتر</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>المتصفح</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>سطوع الشاشة+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>سطوع الشاشة-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>زر الماوس الأيسر</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>زر الماوس الأوسط</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>زر الماوس الأيمن</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>التمرير لأعلى</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>التمرير لأسفل</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>تقدُّم</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>مفتاح القنص</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>التبديل بين النوافذ</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>إظهار سطح المكتب</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>جهاز الكمبيوتر</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>قفل الكمبيوتر</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>قفل/إلغاء قفل مفتاح Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>قفل مفتاح Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>إلغاء قفل مفتاح Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>الطبقة الافتراضية</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>طبقة FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>طبقة FN1</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>تأثيرات شاملة</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>تأثيرات تفاعلية</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>كل التأثيرات</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>السطوع +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>السطوع -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>السرعة +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>السرعة -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>الاتجاه +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>الاتجاه -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>تدوير الاتجاه</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>متعدد الألوان</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>تبديل اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>تبديل اللون السفلي</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>مخصص 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>مخصص 2</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>بلوتوث 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>بلوتوث 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>بلوتوث 3</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>قفل لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>الاستعلام عن البطارية</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>التبديل إلى 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>التبديل إلى USB</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>إطفاء الكل</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>إطفاء الإضاءة الخلفية</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>إيقاف الإضاءة الخلفية</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>تسجيل الإضاءة</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>إطفاء الإضاءة المحيطة</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>إيقاف الإضاءة المحيطة</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>إعادة تعيين المفتاح</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>ماكرو</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>تركيبة مفاتيح</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>الوسائط المتعددة</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>الماوس</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>تبديل ملف التعريف</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>تشغيل تطبيق</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>اختصارات</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>تكوين المفتاح</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>مفاتيح متقدمة</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>إضاءة لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>الإضاءة المحيطة</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>قائمة الأجهزة</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>الجهاز غير متصل</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إعادة الضبط</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>جارٍ معايرة جميع المفاتيح...</translation>
    </message>
    <message>
        <source>Please press all keys</source>
        <translation>يُرجى الضغط على جميع المفاتيح</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>تخصيص المفاتيح</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>إعدادات الإضاءة</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>الأداء</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>إعدادات التفعيل</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>الجهاز في وضع عدم الاتصال</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>هذا الجهاز مفتوح بالفعل</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>معايرة المفاتيح قيد التنفيذ</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>جارٍ معايرة المفاتيح، يُرجى الانتظار قليلًا</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>تم تنزيل الإعدادات إلى لوحة المفاتيح بنجاح</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>فشل تنزيل الإعدادات إلى لوحة المفاتيح، يُرجى المحاولة مرة أخرى</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>إلى أي مفتاح؟</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>يُرجى تحديد مفتاح أولًا</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>تمت العملية بنجاح</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>فشل الإعداد لأن النص فارغ</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>الوظيفة:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>مفتاح</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>ما المفاتيح المراد إدخالها؟</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>ضغط خفيف</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>ضغط قوي</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>يُرجى التبديل إلى وضع معايرة المفاتيح أولًا</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>تمت معايرة المفاتيح بنجاح</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>فشلت معايرة المفاتيح</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>وصل عدد ملفات التعريف إلى الحد الأقصى</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>فشل الإنشاء، عقدة الفهرس موجودة بالفعل، يُرجى التحقق</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>تم إنشاء ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>يجب الإبقاء على ملف تعريف واحد على الأقل</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>تم حذف ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>مجلد الحفظ</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>يُرجى تحديد مجلد الحفظ أولًا</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>عقدة الفهرس هذه غير موجودة</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>تم تصدير ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>فشل تصدير ملف التعريف</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>فتح ملف تعريف</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>ملفات التعريف (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>يُرجى تحديد ملف الاستيراد أولًا</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>تم استيراد ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>فشل استيراد ملف التعريف</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>لا يمكن أن يكون اسم ملف التعريف فارغًا</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>تم تعديل معلومات ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>هل تريد إعادة ضبط ملف التعريف الحالي؟</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>لا يمكن أن يكون وقت سكون الإضاءة أطول من وقت سكون لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>وقت سكون لوحة المفاتيح قصير جدًا</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>فشل ضبط وقت السكون</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>تم ضبط وقت السكون</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>نيون</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>تنفس</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>موجة</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>وميض</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>ثعبان</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>رادار</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>تموج تلقائي</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>خطوط</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>شفق قطبي</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>تموج</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>تفاعلي</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>تقاطع</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>ألعاب نارية</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>استجابة السرعة</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>إيقاع موسيقي</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>تصادم</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إطفاء</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>السطوع:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>السرعة:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>الاتجاه:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>متعدد الألوان</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>اللون السفلي</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>إضاءة مخصصة</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>لوحة المفاتيح/الإضاءة المحيطة</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>معلومات البرنامج الثابت</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>نقرة يسرى</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>نقرة وسطى</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>نقرة يمنى</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>تغيير الاسم</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>تعيين ملف تعريف</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>اختيار تطبيق</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>يُرجى تحديد المسار الذي يوجد فيه التطبيق</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>اختيار التطبيق</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>أدخل النص...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>طريقة التشغيل</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>تشغيل مرة واحدة</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>تشغيل عدة مرات</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>تشغيل/إيقاف التشغيل المستمر</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>التشغيل أثناء الضغط على المفتاح المعيَّن</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>عدد مرات التشغيل</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>عدد مرات التشغيل 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>تعيين ماكرو</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>زر الماوس</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.ادخل أولًا إلى وضع معايرة المفاتيح؛</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.حدد مفتاحًا واحدًا؛</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3.انقر على «بدء المعايرة»؛</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.اضغط على المفتاح المحدد؛</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.تُعرض نتائج معايرة المفاتيح.</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>عند تمكين هذا الخيار، لا ينتهي التفعيل السريع إلا عند تحرير المفتاح بالكامل.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>عند تعطيل هذا الخيار، ينتهي التفعيل السريع عندما يرتفع المفتاح إلى نقطة التفعيل.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>اضبط مدة الضغط على المفتاح اللازمة للتفعيل.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>عند تمكين معايرة جميع المفاتيح، يُرجى الضغط على جميع المفاتيح لإكمال المعايرة.</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>عند تشغيل قفل Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>تعطيل مفتاح Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>تعطيل SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>تعطيل ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>تعطيل ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>وقت سكون الإضاءة:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>ثانية</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>وقت سكون لوحة المفاتيح:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>إعادة ضبط ملف التعريف الحالي</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>خصائص لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>منع السكون</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>ضغط</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>تفعيل</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>تتبع مسافة الضغط</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>حساسية منفصلة للضغط والتحرير</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>التفعيل السريع</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>إعادة ضبط الحساسية</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>منع ارتداد المفاتيح</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>معدل الاستطلاع</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>وضع معايرة المفاتيح</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>بدء المعايرة</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>خصّص مسافة التفعيل ومسافة إعادة الضبط واضبطهما وفقًا لطريقتك في الضغط على المفتاح وتحريره.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>يمكنك ضبط قيمتي مسافة الضغط (التفعيل) والتحرير (إعادة الضبط) في التفعيل السريع كلٍّ على حدة.</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>معايرة جميع المفاتيح</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>مفاتيح عادية</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>مفاتيح خاصة</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>صورة الخلفية</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>التشغيل التلقائي</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>تشغيل التطبيق عند بدء تشغيل النظام (مصغّرًا)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>التصغير إلى منطقة الإعلام عند الإغلاق</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>فحص تحديثات البرنامج الثابت</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>لم يتم العثور على أجهزة قابلة للتحديث</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>تم الضبط بنجاح</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>تحديث البرنامج الثابت</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>لا تفصل الجهاز أثناء تحديث البرنامج الثابت!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>تم التحديث بنجاح</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>فشل التحديث</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>اسم المنتج:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>التقدم:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>الإصدار الحالي:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>الإصدار الجديد:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>اكتمل</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>لا يمكن أن يكون اسم الإضاءة المخصصة فارغًا</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>تم تغيير اسم الإضاءة المخصصة بنجاح</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>نقل لأعلى</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>نقل لأسفل</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>مجموعة الماكرو</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>إعداد التأخير</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>تسجيل التأخير</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>بدون تأخير</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>التأخير الافتراضي</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>بدء التسجيل</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>قائمة الأحداث</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>التسجيل فارغ</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>إدراج حدث</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>إدراج حدث بعده</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>إدراج حدث قبله</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>حدث</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>حدث لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>حدث الماوس</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>إجراء</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>يُرجى إدخال مفتاح</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>إدراج</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>الخصائص</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>تأخير</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>ضغط مفتاح</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>تمت إضافة الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>تم حذف الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>يُرجى تحديد ماكرو أولًا</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>تم مسح تسجيل الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>لا يمكن أن يكون اسم الماكرو فارغًا</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>تم تغيير اسم الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>يُرجى تحديد موضع أولًا</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>وصل عدد الأحداث المسجلة إلى الحد الأقصى</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>تم إدراج الحدث بنجاح</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>تم تعديل الحدث بنجاح</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>تم تصدير الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>فتح ملف ماكرو</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>ملفات الماكرو (*.xml)</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>تم استيراد الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>بدأ تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>تم إيقاف تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>إيقاف التسجيل</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>صيني</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Kr/En</translation>
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
        <translation>اسم المنتج:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>الإصدار الحالي:</translation>
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
        <translation>التقدم:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>الإصدار الجديد:</translation>
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
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>اكتمل</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>لا يمكن إعادة تعيين هذا المفتاح</translation>
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
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>تغيير الاسم</translation>
    </message>
</context>
</TS>
