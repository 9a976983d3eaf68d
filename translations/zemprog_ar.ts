<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>ChannelTable</name>
    <message>
        <location filename="../src/core/channels/band.cpp" line="+92"/>
        <source>Other...</source>
        <translation>أخرى...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Other....</source>
        <translation>أخرى...</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_commit.cpp" line="+72"/>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High</source>
        <translation>عالية</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>منخفضة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wide</source>
        <translation>عريض</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Narrow</source>
        <translation>ضيق</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Carrier</source>
        <translation>الموجة الحاملة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DT/DQT</source>
        <translation>DT/DQT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_table.cpp" line="+10"/>
        <source>Ch</source>
        <translation>القناة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Receive</source>
        <translation>الاستقبال</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transmit</source>
        <translation>الإرسال</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>QT/DQT DEC</source>
        <translation>QT/DQT DEC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT/DQT ENC</source>
        <translation>QT/DQT ENC</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scan</source>
        <translation>المسح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power</source>
        <translation>القدرة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>W/N</source>
        <translation>W/N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Busy</source>
        <translation>قفل الانشغال</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PTT</source>
        <translation>PTT</translation>
    </message>
</context>
<context>
    <name>RadioSettings</name>
    <message>
        <location filename="../src/core/pages/key_values.cpp" line="+37"/>
        <location line="+16"/>
        <location filename="../src/core/pages/option_values.cpp" line="+93"/>
        <location line="+12"/>
        <location line="+6"/>
        <location line="+12"/>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Monitor Momentary</source>
        <translation>مراقبة لحظية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monitor </source>
        <translation>مراقبة</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+15"/>
        <location filename="../src/core/pages/radio_settings.cpp" line="+198"/>
        <source>Scramble</source>
        <translation>التشفير الصوتي (Scramble)</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Alarm</source>
        <translation>إنذار</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+14"/>
        <source>Vox</source>
        <translation>VOX</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>Whisper</source>
        <translation>الهمس</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <location filename="../src/core/pages/radio_settings.cpp" line="+4"/>
        <source>Compand Expand</source>
        <translation>الضغط والتمديد (Compander)</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>Power</source>
        <translation>قدرة الإرسال</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <location filename="../src/core/pages/radio_settings.cpp" line="-9"/>
        <source>Energy Check</source>
        <translation>فحص البطارية</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Monitor</source>
        <translation>مراقبة</translation>
    </message>
    <message>
        <location filename="../src/core/pages/option_values.cpp" line="-49"/>
        <source>Scan Pause</source>
        <translation>إيقاف المسح مؤقتًا</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Carrier</source>
        <translation>الموجة الحاملة</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tone</source>
        <translation>الصفارة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Chinese</source>
        <translation>الصينية</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>English</source>
        <translation>الإنجليزية</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Detect</source>
        <translation>كشف</translation>
    </message>
    <message>
        <location filename="../src/core/pages/radio_settings.cpp" line="-83"/>
        <source>Scan information</source>
        <translation>إعدادات المسح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other Function</source>
        <translation>وظائف أخرى</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Whisper  Function</source>
        <translation>وظيفة الهمس</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VOX</source>
        <translation>VOX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTT ID</source>
        <translation>PTT ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan Mode</source>
        <translation>وضع المسح</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Carrier: scanning stops on a channel while a carrier is received.</source>
        <translation>الموجة الحاملة: يتوقف المسح على القناة ما دامت تُستقبل موجة حاملة.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Receive recovery time (sec)</source>
        <translation>زمن استئناف المسح بعد الاستقبال (ثانية)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How long scanning waits on a channel after the signal has gone, in seconds.</source>
        <translation>مدة انتظار المسح على القناة بعد زوال الإشارة، بالثواني.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transmission  recovery time (sec)</source>
        <translation>زمن استئناف المسح بعد الإرسال (ثانية)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How long scanning waits after you have transmitted, in seconds.</source>
        <translation>مدة انتظار المسح بعد انتهائك من الإرسال، بالثواني.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Radiate Time Out Timer(s)</source>
        <translation>مؤقت مهلة الإرسال (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ends a transmission that lasts longer than this; Off for no limit.</source>
        <translation>يُنهي الإرسال الذي يتجاوز هذه المدة؛ اختر إيقاف لإلغاء الحد.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Voice/Beep Tone</source>
        <translation>النغمة الصوتية/الصفارة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>What the radio says or sounds when a key is pressed.</source>
        <translation>ما ينطقه الجهاز أو يصدره من صوت عند الضغط على مفتاح.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Squelch Level</source>
        <translation>مستوى كاتم الضوضاء</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How strong a signal must be to open the loudspeaker.</source>
        <translation>قوة الإشارة اللازمة لفتح مكبر الصوت.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock Detect</source>
        <translation>كشف القفل</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Whisper level</source>
        <translation>مستوى الهمس</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whisper  </source>
        <translation>الهمس</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Microphone gain for speaking quietly, when the whisper function is on.</source>
        <translation>كسب الميكروفون للتحدث بصوت منخفض، عند تشغيل وظيفة الهمس.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Whisper  Function Enable</source>
        <translation>تفعيل وظيفة الهمس</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>VOX level</source>
        <translation>مستوى VOX</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vox Function</source>
        <translation>وظيفة VOX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How loud you must speak to start transmitting, when VOX is on.</source>
        <translation>مدى ارتفاع الصوت اللازم لبدء الإرسال، عند تشغيل VOX.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vox Function Enable</source>
        <translation>تفعيل وظيفة VOX</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PTT ID Start</source>
        <translation>رمز البداية لـ PTT ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>رمز البداية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The PTT ID code sent when transmission starts: up to 8 digits.</source>
        <translation>رمز PTT ID المرسَل عند بدء الإرسال: حتى 8 أرقام.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTT ID End</source>
        <translation>رمز النهاية لـ PTT ID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End</source>
        <translation>رمز النهاية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The PTT ID code sent when transmission ends: up to 8 digits.</source>
        <translation>رمز PTT ID المرسَل عند انتهاء الإرسال: حتى 8 أرقام.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PTT ID Start Enable</source>
        <translation>تفعيل رمز البداية لـ PTT ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Enable</source>
        <translation>تفعيل رمز البداية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTT ID End Enable</source>
        <translation>تفعيل رمز النهاية لـ PTT ID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End Enable</source>
        <translation>تفعيل رمز النهاية</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DTMF Speed  Digit/sec</source>
        <translation>سرعة DTMF (رقم/ثانية)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How fast the PTT ID digits are sent.</source>
        <translation>سرعة إرسال أرقام PTT ID.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First Digit Time(ms)</source>
        <translation>زمن الرقم الأول (ms)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>First Digit Delay Time(ms)</source>
        <translation>زمن تأخير الرقم الأول (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DTMF Side Tone</source>
        <translation>النغمة الجانبية لـ DTMF</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wired Clone Mode</source>
        <translation>وضع النسخ السلكي</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Alarm Function Enable</source>
        <translation>تفعيل وظيفة الإنذار</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save Energy</source>
        <translation>توفير البطارية</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The receiver sleeps between checks for a signal, to save the battery.</source>
        <translation>ينام المستقبِل بين عمليات التحقق من وجود إشارة، لتوفير البطارية.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Long Press</source>
        <translation>ضغطة طويلة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Short Press</source>
        <translation>ضغطة قصيرة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   Top Key</source>
        <translation>المفتاح العلوي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle Key</source>
        <translation>المفتاح الأوسط</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key</source>
        <translation>المفتاح السفلي</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Long Press Duration(s)</source>
        <translation>مدة الضغطة الطويلة (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top Key Long Press</source>
        <translation>ضغطة طويلة على المفتاح العلوي</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Top Key Short Press</source>
        <translation>ضغطة قصيرة على المفتاح العلوي</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Middle Key Long Press</source>
        <translation>ضغطة طويلة على المفتاح الأوسط</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Middle Key Short Press</source>
        <translation>ضغطة قصيرة على المفتاح الأوسط</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key Long Press</source>
        <translation>ضغطة طويلة على المفتاح السفلي</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bottom Key Short Press</source>
        <translation>ضغطة قصيرة على المفتاح السفلي</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <location filename="../src/web/page/texts.js" line="+15"/>
        <source>Zem Programming Software</source>
        <translation>برنامج برمجة Zem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Commands</source>
        <translation>الأوامر</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Share as link</source>
        <translation>مشاركة كرابط</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify after write</source>
        <translation>التحقق بعد الكتابة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compare with radio</source>
        <translation>مقارنة مع الجهاز</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare with file</source>
        <translation>مقارنة مع ملف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pages</source>
        <translation>الصفحات</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Picture of the radio&apos;s programmable keys: a handheld radio seen from the front, with red leader lines to its top key, the middle key high on its left side and the bottom key below it.</source>
        <translation>صورة للمفاتيح القابلة للبرمجة في الجهاز: جهاز لاسلكي محمول من الأمام، مع خطوط إرشادية حمراء تشير إلى مفتاحه العلوي، والمفتاح الأوسط في أعلى جانبه الأيسر، والمفتاح السفلي أسفله.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channel listing for printing</source>
        <translation>قائمة القنوات للطباعة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Details</source>
        <translation>التفاصيل</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help pages</source>
        <translation>صفحات التعليمات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drop a program file (.Zem) to open it</source>
        <translation>أفلت ملف برنامج (.Zem) هنا لفتحه</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Retry</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This browser cannot reach a serial cable. To read or write the radio, open this page in Chrome or Edge (version 89 or later) on a desktop computer; files can be opened, edited and saved here.</source>
        <translation>لا يستطيع هذا المتصفح الوصول إلى كابل تسلسلي. لقراءة الجهاز أو الكتابة إليه، افتح هذه الصفحة في Chrome أو Edge (الإصدار 89 أو أحدث) على حاسوب مكتبي؛ يمكن هنا فتح الملفات وتحريرها وحفظها.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This browser does not run WebAssembly, which the program&apos;s core needs, so nothing here can work. The page works in current Chrome, Edge, Firefox and Safari; reading and writing the radio needs Chrome or Edge (version 89 or later) on a desktop computer.</source>
        <translation>لا يشغّل هذا المتصفح WebAssembly الذي تحتاجه نواة البرنامج، لذا لا يمكن أن يعمل أي شيء هنا. تعمل الصفحة في الإصدارات الحالية من Chrome وEdge وFirefox وSafari؛ وتتطلب قراءة الجهاز والكتابة إليه Chrome أو Edge (الإصدار 89 أو أحدث) على حاسوب مكتبي.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The program&apos;s core (zem.wasm, WebAssembly) could not be loaded, so nothing here can work: %1. The browser or the site&apos;s policy may block WebAssembly. The page works in current Chrome, Edge, Firefox and Safari; reading and writing the radio needs Chrome or Edge (version 89 or later) on a desktop computer.</source>
        <translation>تعذّر تحميل نواة البرنامج (zem.wasm، WebAssembly)، لذا لا يمكن أن يعمل أي شيء هنا: %1. ربما يحظر المتصفح أو سياسة الموقع WebAssembly. تعمل الصفحة في الإصدارات الحالية من Chrome وEdge وFirefox وSafari؛ وتتطلب قراءة الجهاز والكتابة إليه Chrome أو Edge (الإصدار 89 أو أحدث) على حاسوب مكتبي.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was handed to the browser&apos;s downloads.
Did the file save?</source>
        <translation>سُلّم %1 إلى تنزيلات المتصفح.
هل حُفظ الملف؟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not save %1: %2</source>
        <translation>تعذّر حفظ %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program file</source>
        <translation>ملف برنامج</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program file or plan</source>
        <translation>ملف برنامج أو خطة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The link to this plan was copied to the clipboard. Whoever opens it sees the plan, ready for Write.</source>
        <translation>نُسخ رابط هذه الخطة إلى الحافظة. من يفتحه يرى الخطة جاهزة للكتابة.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The browser did not let the page copy the link. Copy it from here:</source>
        <translation>لم يسمح المتصفح للصفحة بنسخ الرابط. انسخه من هنا:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read %1 of %2 blocks</source>
        <translation>قُرئت %1 من %2 كتلة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrote %1 of %2 blocks</source>
        <translation>كُتبت %1 من %2 كتلة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Could not save the radio history.</source>
        <translation>تعذّر حفظ سجل الجهاز.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note of the read of %1 %2</source>
        <translation>ملاحظة عن قراءة %1 %2</translation>
    </message>
</context>
<context>
    <name>zem::Channels</name>
    <message>
        <location filename="../src/core/channels/band.cpp" line="-89"/>
        <source>You select other Type ,this will clear all data as new document,are you sure?</source>
        <translation>اختيار نوع آخر سيمسح جميع البيانات ويبدأ مستندًا جديدًا. هل أنت متأكد؟</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>outside %1-%2 MHz; this plan has no band chosen</source>
        <translation>خارج النطاق %1-%2 MHz؛ لم يُختر نطاق لهذه الخطة</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>outside %1-%2 MHz; this plan is for band %3</source>
        <translation>خارج النطاق %1-%2 MHz؛ هذه الخطة للنطاق %3</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_clipboard.cpp" line="+14"/>
        <source>These values were not pasted:</source>
        <translation>لم تُلصق هذه القيم:</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>channel %1, %2: &quot;%3&quot;: %4</source>
        <translation>القناة %1، %2: &quot;%3&quot;: %4</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>%1 row did not fit below channel 16 and was not pasted</source>
        <translation>%1 صف لم يتسع بعد القناة 16 ولم يُلصق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows did not fit below channel 16 and were not pasted</source>
        <translation>%1 صفوف لم تتسع بعد القناة 16 ولم تُلصق</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_commit.cpp" line="-62"/>
        <source>Error Data Format，Please input again</source>
        <translation>تنسيق البيانات غير صحيح، يُرجى الإدخال مرة أخرى</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error data Value，Please input according the step value(6.25K/5k)</source>
        <translation>قيمة البيانات غير صحيحة، يُرجى الإدخال وفق قيمة الخطوة (6.25K/5K)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not an entry of the tone list</source>
        <translation>ليست قيمة من قائمة النغمات</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>must be one of %1</source>
        <translation>يجب أن يكون واحدًا من %1</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>not a cell of the channel table</source>
        <translation>ليست خلية من جدول القنوات</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_csv.cpp" line="+94"/>
        <source>line %1: text after a closing quote</source>
        <translation>السطر %1: يوجد نص بعد علامة اقتباس الإغلاق</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>line %1: a quoted field is not closed</source>
        <translation>السطر %1: حقل بين علامتي اقتباس لم يُغلق</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2%3)</source>
        <translation>%1 (%2%3)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/core/channels/memory_list.cpp" line="+83"/>
        <source>line %1</source>
        <translation>السطر %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, channel %2</source>
        <translation>%1، القناة %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/channels/memory_list.cpp" line="+4"/>
        <source>%1, %2 &quot;%3&quot;</source>
        <translation>%1، %2 &quot;%3&quot;</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the column appears twice</source>
        <translation>يتكرر العمود مرتين</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>expected a header row with the column &quot;Ch&quot; and any of %1, separated by commas, semicolons or tabs; found &quot;%2&quot;</source>
        <translation>المتوقع صف عناوين فيه العمود &quot;Ch&quot; وأيٌّ من %1، مفصولة بفواصل أو فواصل منقوطة أو علامات جدولة؛ لكن وُجد &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>the text has no header row</source>
        <translation>لا يحتوي النص على صف عناوين</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the row has %1 fields, the header %2</source>
        <translation>عدد حقول الصف %1، وعدد حقول صف العناوين %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>not a channel number from 1 to 16</source>
        <translation>ليس رقم قناة من 1 إلى 16</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the channel has a row already</source>
        <translation>للقناة صف بالفعل</translation>
    </message>
    <message>
        <location filename="../src/core/channels/memory_list.cpp" line="-2"/>
        <source>%1, Location %2</source>
        <translation>%1، Location %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>the file has no header row</source>
        <translation>لا يحتوي الملف على صف عناوين</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the header row has no %1 column</source>
        <translation>لا يحتوي صف العناوين على العمود %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>not a whole number</source>
        <translation>ليس عددًا صحيحًا</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the Location appears twice</source>
        <translation>يتكرر Location مرتين</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>no memory to import</source>
        <translation>لا توجد ذاكرة لاستيرادها</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>must be High, Low or a wattage such as 5.0W</source>
        <translation>يجب أن يكون High أو Low أو قدرة بالواط مثل 5.0W</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Location %1 &quot;%2&quot;</source>
        <translation>Location %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>names not stored: %1</source>
        <translation>أسماء لم تُخزَّن: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>column &quot;%1&quot; not stored: %2 row(s) hold a value there</source>
        <translation>لم يُخزَّن العمود &quot;%1&quot;: عدد الصفوف التي فيها قيمة في هذا العمود %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 row(s) past the sixteen taken: Location %2 not stored</source>
        <translation>صفوف زائدة بعد الستة عشر المأخوذة (%1): لم يُخزَّن Location %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 row(s) past the sixteen taken: Location %2 to %3 not stored</source>
        <translation>صفوف زائدة بعد الستة عشر المأخوذة (%1): لم يُخزَّن Location من %2 إلى %3</translation>
    </message>
    <message>
        <location filename="../src/core/channels/memory_row.cpp" line="+91"/>
        <source>%1 is empty</source>
        <translation>%1 فارغ</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>not a CTCSS tone of the tone list</source>
        <translation>ليست نغمة CTCSS من قائمة النغمات</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>not a DCS code of the tone list</source>
        <translation>ليس رمز DCS من قائمة النغمات</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+33"/>
        <source>not a frequency in MHz</source>
        <translation>ليس ترددًا بوحدة MHz</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>this radio stores only FM (Wide) and NFM (Narrow)</source>
        <translation>هذا الجهاز يخزّن FM (عريض) وNFM (ضيق) فقط</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>must be S, P or empty</source>
        <translation>يجب أن يكون S أو P أو فارغًا</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the transmit frequency would be below zero</source>
        <translation>سيصبح تردد الإرسال أقل من الصفر</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>transmit %1</source>
        <translation>الإرسال %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>must be empty, +, -, split or off</source>
        <translation>يجب أن يكون فارغًا أو + أو - أو split أو off</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>must be two letters N or R, transmit then receive</source>
        <translation>يجب أن يكون حرفين N أو R، للإرسال ثم للاستقبال</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>not a cross mode this radio can hold</source>
        <translation>ليس وضعًا متقاطعًا يمكن لهذا الجهاز تخزينه</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>must be empty, Tone, TSQL, DTCS or Cross</source>
        <translation>يجب أن يكون فارغًا أو Tone أو TSQL أو DTCS أو Cross</translation>
    </message>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="+103"/>
        <source> — choose the band on the Channel Setting page</source>
        <translation> — اختر النطاق في صفحة إعداد القنوات</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>column &quot;%1&quot; is not a channel table column; ignored</source>
        <translation>العمود &quot;%1&quot; ليس من أعمدة جدول القنوات؛ تم تجاهله</translation>
    </message>
</context>
<context>
    <name>zem::Compare</name>
    <message>
        <location filename="../src/core/compare/document_diff.cpp" line="+129"/>
        <source>byte %1</source>
        <translation>البايت %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bytes %1-%2</source>
        <translation>البايتات %1-%2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>(empty)</source>
        <translation>(فارغ)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>on</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Type</source>
        <translation>الطراز</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Band</source>
        <translation>النطاق</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>channel %1 %2</source>
        <translation>القناة %1 %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low Power Value %1</source>
        <translation>قيمة القدرة المنخفضة %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>High Power Value %1</source>
        <translation>قيمة القدرة العالية %1</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>%1 byte differs only in how the radio holds values that the pages show the same way</source>
        <translation>يختلف %1 بايت فقط في طريقة حفظ الجهاز لقيم تعرضها الصفحات بالشكل نفسه</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 bytes differ only in how the radio holds values that the pages show the same way</source>
        <translation>عدد البايتات المختلفة %1، ويقتصر الاختلاف على طريقة حفظ الجهاز لقيم تعرضها الصفحات بالشكل نفسه</translation>
    </message>
</context>
<context>
    <name>zem::File</name>
    <message>
        <location filename="../src/core/document/input_text.cpp" line="+14"/>
        <source>%1 is %2; %3 is at most %4</source>
        <translation>%1 حجمه %2؛ والحد الأقصى لـ %3 هو %4</translation>
    </message>
    <message>
        <location line="+85"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+51"/>
        <source>more than %1</source>
        <translation>أكثر من %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: read error</source>
        <translation>%1: خطأ في القراءة</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is a folder, not %2</source>
        <translation>%1 مجلد، وليس %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1: cannot be opened for reading</source>
        <translation>%1: تعذّر فتحه للقراءة</translation>
    </message>
    <message>
        <location filename="../src/core/document/program_file.cpp" line="+301"/>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>الملف &quot;%1&quot; غير موجود.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot open &quot;%1&quot;: it is a folder, not a program file.</source>
        <translation>تعذّر فتح &quot;%1&quot;: إنه مجلد، وليس ملف برنامج.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot open the file &quot;%1&quot;.</source>
        <translation>تعذّر فتح الملف &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="-6"/>
        <source>Cannot read the file &quot;%1&quot;.</source>
        <translation>تعذّرت قراءة الملف &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+3"/>
        <source>The file &quot;%1&quot; is not a program file: it holds %2 bytes, a program file holds %3.</source>
        <translation>الملف &quot;%1&quot; ليس ملف برنامج: حجمه %2 بايت، بينما حجم ملف البرنامج %3 بايت.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot open the file &quot;%1&quot;: %2</source>
        <translation>تعذّر فتح الملف &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Cannot save the file &quot;%1&quot;: it is a folder.</source>
        <translation>تعذّر حفظ الملف &quot;%1&quot;: إنه مجلد.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot save the file &quot;%1&quot;: it is read-only.</source>
        <translation>تعذّر حفظ الملف &quot;%1&quot;: إنه للقراءة فقط.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <translation>تعذّر حفظ الملف &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot save the file &quot;%1&quot;: %2</source>
        <translation>تعذّر حفظ الملف &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../src/core/document/share_link.cpp" line="+12"/>
        <source>This link does not hold a whole plan: it may have been cut short or changed on its way. Nothing has changed.</source>
        <translation>هذا الرابط لا يحتوي على خطة كاملة: ربما اقتُطع أو تغيّر في الطريق. لم يتغير شيء.</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+11"/>
        <source>No folder given.</source>
        <translation>لم يُحدَّد مجلد.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot use the folder &quot;%1&quot;: %2.</source>
        <translation>تعذّر استخدام المجلد &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a folder</source>
        <translation>ليس مجلدًا</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cannot write into the folder &quot;%1&quot;.</source>
        <translation>تعذّرت الكتابة في المجلد &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot use the folder &quot;%1&quot;: %2</source>
        <translation>تعذّر استخدام المجلد &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Cannot create &quot;%1&quot;: %2.</source>
        <translation>تعذّر إنشاء &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot find a free name for &quot;%1&quot;.</source>
        <translation>تعذّر العثور على اسم متاح لـ &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The report &quot;%1&quot; is a folder.</source>
        <translation>التقرير &quot;%1&quot; مجلد.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The report &quot;%1&quot; exists already.</source>
        <translation>التقرير &quot;%1&quot; موجود بالفعل.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot write the report &quot;%1&quot;.</source>
        <translation>تعذّرت كتابة التقرير &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot write the report &quot;%1&quot;: %2.</source>
        <translation>تعذّرت كتابة التقرير &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_report.cpp" line="+62"/>
        <source>The report is empty.</source>
        <translation>التقرير فارغ.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This is no fleet report: its first line has no port, result and backup columns.</source>
        <translation>هذا ليس تقرير كتابة إلى عدة أجهزة: لا يحتوي سطره الأول على أعمدة المنفذ والنتيجة والنسخة الاحتياطية.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The report has several radios on %1 (one cable, many radios): put each one on the cable again and write its backup with zemtool write.</source>
        <translation>يحتوي التقرير على عدة أجهزة على %1 (كابل واحد، أجهزة متعددة): أعد توصيل كل جهاز بالكابل واكتب نسخته الاحتياطية إليه باستخدام zemtool write.</translation>
    </message>
</context>
<context>
    <name>zem::Link</name>
    <message>
        <location filename="../src/core/compare/verify_mismatch.cpp" line="+32"/>
        <source>The radio does not hold what was written. First difference: %1.
The program has kept its data: write again, or check the radio and the cable.</source>
        <translation>لا يحتوي الجهاز على ما كُتب إليه. أول اختلاف: %1.
احتفظ البرنامج ببياناته: أعد الكتابة، أو افحص الجهاز والكابل.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The radio does not hold what was written. First difference: %1 is %2 in the radio, %3 in the program.
The program has kept its data: write again, or check the radio and the cable.</source>
        <translation>لا يحتوي الجهاز على ما كُتب إليه. أول اختلاف: %1 قيمته %2 في الجهاز و%3 في البرنامج.
احتفظ البرنامج ببياناته: أعد الكتابة، أو افحص الجهاز والكابل.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The radio does not hold what was written. First difference: %1.</source>
        <translation>لا يحتوي الجهاز على ما كُتب إليه. أول اختلاف: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The radio does not hold what was written. First difference: %1 is %2 in the radio, %3 in the program.</source>
        <translation>لا يحتوي الجهاز على ما كُتب إليه. أول اختلاف: %1 قيمته %2 في الجهاز و%3 في البرنامج.</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/radio_job.cpp" line="+18"/>
        <source>Cancelled</source>
        <translation>تم الإلغاء</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>waiting</source>
        <translation>في الانتظار</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>backing up</source>
        <translation>جارٍ النسخ الاحتياطي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>writing</source>
        <translation>جارٍ الكتابة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verifying</source>
        <translation>جارٍ التحقق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>done</source>
        <translation>اكتمل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>failed</source>
        <translation>فشل</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the radio is unchanged</source>
        <translation>لم يتغير الجهاز</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the radio holds a partial write (%1 of %2 blocks)</source>
        <translation>يحتوي الجهاز على كتابة جزئية (%1 من %2 كتلة)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the radio holds the whole write, not checked</source>
        <translation>يحتوي الجهاز على الكتابة كاملة، دون تحقق</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the radio holds a write that differs from the plan</source>
        <translation>يحتوي الجهاز على كتابة تختلف عن الخطة</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>cancelled during verify, after the whole write</source>
        <translation>أُلغي أثناء التحقق، بعد اكتمال الكتابة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled at block %1 of %2</source>
        <translation>أُلغي عند الكتلة %1 من %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled before the first block was written</source>
        <translation>أُلغي قبل كتابة الكتلة الأولى</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>no backup, so nothing was written</source>
        <translation>لا توجد نسخة احتياطية، لذا لم يُكتب شيء</translation>
    </message>
    <message>
        <location filename="../src/core/link/link_messages.cpp" line="+7"/>
        <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
        <translation>تعذّر فتح المنفذ، يُرجى التحقق مما إذا كان المنفذ مشغولًا أو أن الجهاز يعمل بشكل سليم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now are detecting communication port,Please wait...</source>
        <translation>جارٍ اكتشاف منفذ الاتصال، يُرجى الانتظار...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Waiting the response from radio...</source>
        <translation>في انتظار استجابة الجهاز...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Communication error ,Please check all the connections and the radio power</source>
        <translation>خطأ في الاتصال، يُرجى التحقق من جميع التوصيلات ومن تشغيل الجهاز</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not received enough byte</source>
        <translation>لم يُستقبل عدد كافٍ من البايتات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program interruput,please reset the radio and try again</source>
        <translation>انقطعت البرمجة، يُرجى إعادة تشغيل الجهاز والمحاولة مرة أخرى</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Program interruput,please reset the radio and try again</source>
        <translation>انقطعت البرمجة، يُرجى إعادة تشغيل الجهاز والمحاولة مرة أخرى</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading Data Progress</source>
        <translation>تقدّم قراءة البيانات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing Data Progress</source>
        <translation>تقدّم كتابة البيانات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ready ......</source>
        <translation>جاهز ......</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio took the whole write, but reading it back to check it failed: %1</source>
        <translation>استقبل الجهاز الكتابة كاملة، لكن فشلت قراءتها مجددًا للتحقق منها: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The write was stopped before the end: the radio now holds part of this program and part of what it held before. Write it again before using the radio.</source>
        <translation>توقفت الكتابة قبل اكتمالها: يحتوي الجهاز الآن على جزء من هذا البرنامج وجزء مما كان فيه سابقًا. أعد الكتابة قبل استخدام الجهاز.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the line failed: %1</source>
        <translation>فشل خط الاتصال: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the radio did not answer</source>
        <translation>لم يستجب الجهاز</translation>
    </message>
    <message>
        <location filename="../src/core/service/access_code.cpp" line="+7"/>
        <source>Not the correct password</source>
        <translation>كلمة المرور غير صحيحة</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+80"/>
        <source>%1: plan: %2, radio: %3</source>
        <translation>%1: الخطة: %2، الجهاز: %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>block %1 (%2-%3) differs</source>
        <translation>الكتلة %1 (%2-%3) مختلفة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>block %1 (%2-%3) differs: %4</source>
        <translation>الكتلة %1 (%2-%3) مختلفة: %4</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_report.cpp" line="-37"/>
        <source>%1 done, %2 failed</source>
        <translation>اكتمل: %1، فشل: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 done, %2 failed, %3 port not used (missing or given twice)</source>
        <translation>اكتمل: %1، فشل: %2، منفذ غير مستخدم (مفقود أو محدد مرتين): %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 done, %2 failed, %3 ports not used (missing or given twice)</source>
        <translation>اكتمل: %1، فشل: %2، منافذ غير مستخدمة (مفقودة أو محددة مرتين): %3</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_run.cpp" line="+216"/>
        <source>Port given twice</source>
        <translation>منفذ محدد مرتين</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is given more than once</source>
        <translation>%1 محدد أكثر من مرة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is the same port as %2</source>
        <translation>%1 هو نفس المنفذ %2</translation>
    </message>
    <message>
        <location filename="../src/core/link/clone_protocol.cpp" line="+28"/>
        <source>block read at %1: %2</source>
        <translation>قراءة الكتلة عند %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>block write at %1: %2</source>
        <translation>كتابة الكتلة عند %1: %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the reply to block %1 is nothing but 0x06 bytes: something on the line answers 0x06 to everything, not a radio; check the programming cable or adapter</source>
        <translation>الرد على الكتلة %1 ليس سوى بايتات 0x06: شيء ما على خط الاتصال يجيب بـ 0x06 على كل شيء، وليس جهازًا لاسلكيًا؛ افحص كابل البرمجة أو المحوّل</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>one byte too many in the reply to block %1</source>
        <translation>بايت زائد واحد في الرد على الكتلة %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 bytes too many in the reply to block %2</source>
        <translation>عدد البايتات الزائدة في الرد على الكتلة %2: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the radio answered for block %1 when %2 was asked for</source>
        <translation>أجاب الجهاز عن الكتلة %1 بينما طُلبت %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the reply to block %1 gives the length %2 instead of %3</source>
        <translation>الرد على الكتلة %1 يذكر الطول %2 بدلًا من %3</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>no acknowledgement from the radio</source>
        <translation>لم يصل إقرار استلام من الجهاز</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the radio answered %1 instead of 0x06</source>
        <translation>أجاب الجهاز بـ %1 بدلًا من 0x06</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the radio did not answer the wake-up %1 times (%2); the line echoes every byte the program sends back to it: check the programming cable or adapter</source>
        <translation>لم يستجب الجهاز لإشارة التنبيه %1 مرة (%2)؛ خط الاتصال يعيد إلى البرنامج كل بايت يرسله: افحص كابل البرمجة أو المحوّل</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the radio did not answer the wake-up %1 times (%2)</source>
        <translation>لم يستجب الجهاز لإشارة التنبيه %1 مرة (%2)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the radio did not confirm programming mode (%1)</source>
        <translation>لم يؤكد الجهاز الدخول في وضع البرمجة (%1)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>block at %1: %2 of %3 reply bytes arrived</source>
        <translation>الكتلة عند %1: وصل %2 من %3 بايت من الرد</translation>
    </message>
    <message>
        <location filename="../src/core/link/port_trace.cpp" line="+89"/>
        <source>cannot open the trace log %1</source>
        <translation>تعذّر فتح سجل التتبع %1</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_posix.cpp" line="+38"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+28"/>
        <source>the port is closed</source>
        <translation>المنفذ مغلق</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the line hung up (cable or adapter disconnected?)</source>
        <translation>انقطع خط الاتصال (هل فُصل الكابل أو المحوّل؟)</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+88"/>
        <source>write failed: %1</source>
        <translation>فشلت الكتابة: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+1"/>
        <source>write timed out</source>
        <translation>انتهت مهلة الكتابة</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the line hung up</source>
        <translation>انقطع خط الاتصال</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>read failed: %1</source>
        <translation>فشلت القراءة: %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>poll failed: %1</source>
        <translation>فشل الاستطلاع: %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="-86"/>
        <source>%1: not a serial port</source>
        <translation>%1: ليس منفذًا تسلسليًا</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+172"/>
        <source>%1: no such device</source>
        <translation>%1: لا يوجد جهاز بهذا الاسم</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: permission denied (the user must be in the dialout group)</source>
        <translation>%1: تم رفض الإذن (يجب أن يكون المستخدم عضوًا في المجموعة dialout)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: permission denied</source>
        <translation>%1: تم رفض الإذن</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+6"/>
        <source>%1: in use by another program</source>
        <translation>%1: قيد الاستخدام من قِبل برنامج آخر</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>&quot;%1&quot; is neither a port number 1-99 with a device nor a device path</source>
        <translation>&quot;%1&quot; ليس رقم منفذ 1-99 مرتبطًا بجهاز، ولا مسار جهاز</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>built-in serial port</source>
        <translation>منفذ تسلسلي مدمج</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_win32.cpp" line="-27"/>
        <source>&quot;%1&quot; is neither a port number 1-99 nor a device path</source>
        <translation>&quot;%1&quot; ليس رقم منفذ 1-99 ولا مسار جهاز</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_web.cpp" line="+53"/>
        <source>no serial port was chosen</source>
        <translation>لم يُختر أي منفذ تسلسلي</translation>
    </message>
</context>
<context>
    <name>zem::Plan</name>
    <message>
        <location filename="../src/core/plan/plan_build.cpp" line="+81"/>
        <source>the radio keeps &quot;%1&quot;; &quot;%2&quot; was stored as &quot;%1&quot;</source>
        <translation>يحتفظ الجهاز بـ &quot;%1&quot;؛ خُزّن &quot;%2&quot; على أنه &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_reader.cpp" line="+63"/>
        <source>must be a single value</source>
        <translation>يجب أن يكون قيمة واحدة</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>must be a mapping of keys to values</source>
        <translation>يجب أن يكون تعيينًا من المفاتيح إلى القيم</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown key</source>
        <translation>مفتاح غير معروف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the key appears twice</source>
        <translation>يتكرر المفتاح مرتين</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+271"/>
        <source>the key %1 is missing</source>
        <translation>المفتاح %1 مفقود</translation>
    </message>
    <message>
        <location line="-249"/>
        <source>must be one of %1</source>
        <translation>يجب أن يكون واحدًا من %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>must be a whole number from %1 to %2</source>
        <translation>يجب أن يكون عددًا صحيحًا من %1 إلى %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>must be a list of the 16 channels</source>
        <translation>يجب أن يكون قائمة بالقنوات الـ 16</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the channel appears twice</source>
        <translation>تتكرر القناة مرتين</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>channel %1 is missing</source>
        <translation>القناة %1 مفقودة</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>must be true or false</source>
        <translation>يجب أن يكون true أو false</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>must be a list of 7 values from 0 to 255</source>
        <translation>يجب أن يكون قائمة من 7 قيم بين 0 و255</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>must be a mapping of addresses to bytes</source>
        <translation>يجب أن يكون تعيينًا من العناوين إلى البايتات</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>not an address: hex text 0x000 to 0x3FF or a number 0 to 1023</source>
        <translation>ليس عنوانًا: يجب أن يكون نصًا ست عشريًا من 0x000 إلى 0x3FF أو رقمًا من 0 إلى 1023</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>not a byte in hex (00 to FF)</source>
        <translation>ليس بايتًا بالنظام الست عشري (00 إلى FF)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>runs past the end of the image</source>
        <translation>يتجاوز نهاية صورة الذاكرة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the byte is given twice</source>
        <translation>البايت محدد مرتين</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>not a plan text: it has no top-level key &quot;zem-plan: 1&quot;</source>
        <translation>ليس خطة نصية: لا يحتوي على المفتاح &quot;zem-plan: 1&quot; في المستوى الأعلى</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>this program reads version 1 of the plan text</source>
        <translation>يقرأ هذا البرنامج الإصدار 1 من الخطة النصية</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>bytes: nothing given for %1; a new document&apos;s bytes were taken there</source>
        <translation>bytes: لم يُحدَّد شيء لـ %1؛ أُخذت بايتات مستند جديد في هذا الموضع</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bytes: the section is empty; the bytes no value above determines were taken from a new document</source>
        <translation>bytes: القسم فارغ؛ أُخذت البايتات التي لا تحددها أي قيمة أعلاه من مستند جديد</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bytes: the section is missing; the bytes no value above determines were taken from a new document</source>
        <translation>bytes: القسم مفقود؛ أُخذت البايتات التي لا تحددها أي قيمة أعلاه من مستند جديد</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_unreadable.cpp" line="+16"/>
        <source>this build cannot read plan texts (it was made without yaml-cpp)</source>
        <translation>لا يستطيع هذا الإصدار قراءة الخطط النصية (بُني دون yaml-cpp)</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_writer.cpp" line="+131"/>
        <source>line %1, column %2: %3</source>
        <translation>السطر %1، العمود %2: %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1, column %2, %3: %4</source>
        <translation>السطر %1، العمود %2، %3: %4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1, column %2, %3 &quot;%4&quot;: %5</source>
        <translation>السطر %1، العمود %2، %3 &quot;%4&quot;: %5</translation>
    </message>
</context>
<context>
    <name>zem::Settings</name>
    <message>
        <location filename="../src/core/pages/option_values.cpp" line="-110"/>
        <source>The PTT ID you input are not correct,it will be changed to zero</source>
        <translation>قيمة PTT ID التي أدخلتها غير صحيحة، وستُغيَّر إلى صفر</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The  PTT ID you input is too short,It will be suffixed with zero</source>
        <translation>قيمة PTT ID التي أدخلتها قصيرة جدًا، وستُضاف أصفار في نهايتها</translation>
    </message>
    <message>
        <location filename="../src/core/pages/radio_settings.cpp" line="+109"/>
        <source>a PTT ID has at most 8 digits</source>
        <translation>يتكوّن PTT ID من 8 أرقام على الأكثر</translation>
    </message>
</context>
<context>
    <name>zem::gui::CAboutDlg</name>
    <message>
        <location filename="../src/gui/app/about_dialog.cpp" line="+13"/>
        <source>About Zem Electronics Co., Ltd.</source>
        <translation>حول Zem Electronics Co., Ltd.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Program icon</source>
        <translation>أيقونة البرنامج</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zem  Communication Software-1.0</source>
        <translation>برنامج الاتصالات Zem - الإصدار 1.0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Programs the 16-channel handheld radio over its serial cable.
Copyright (C) Zem Electronics Co., Ltd.
All rights reserved.</source>
        <translation>يبرمج جهاز اللاسلكي المحمول ذا الـ 16 قناة عبر كابله التسلسلي.
حقوق النشر (C) Zem Electronics Co., Ltd.
جميع الحقوق محفوظة.</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-59"/>
        <location filename="../src/gui/app/about_dialog.cpp" line="+4"/>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>zem::gui::CChannelPage</name>
    <message>
        <location filename="../src/core/channels/cell_keys.cpp" line="+13"/>
        <source>Please input Number</source>
        <translation>يُرجى إدخال رقم</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_page.cpp" line="+45"/>
        <source>%1 of channel %2</source>
        <translation>%1 للقناة %2</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-12"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="+9"/>
        <source>Type Setting</source>
        <translation>إعداد الطراز</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="+10"/>
        <location line="+126"/>
        <source>Type</source>
        <translation>الطراز</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="-124"/>
        <source>Field</source>
        <translation>النطاق</translation>
    </message>
    <message>
        <location line="-5"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="+50"/>
        <location line="+65"/>
        <source>Channel Setting</source>
        <translation>إعداد القنوات</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_page.cpp" line="-33"/>
        <source>The 16 channels of the radio. Click a cell to edit it, or start typing: frequencies in MHz (for example 145.5), tones and choices from the lists. Enter moves on to the next cell.</source>
        <translation>القنوات الـ 16 لجهاز اللاسلكي. انقر خلية لتحريرها، أو ابدأ الكتابة مباشرة: الترددات بالميغاهرتز MHz (مثلًا 145.5)، والنغمات والخيارات من القوائم. يؤدي الضغط على Enter إلى الانتقال إلى الخلية التالية.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio type.</source>
        <translation>طراز جهاز اللاسلكي.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency band of the radio; frequencies outside it are refused.</source>
        <translation>نطاق ترددات الجهاز؛ تُرفض الترددات الواقعة خارجه.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fills the channel table with demonstration channels of the band.</source>
        <translation>يملأ جدول القنوات بقنوات تجريبية من هذا النطاق.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Band</source>
        <translation>النطاق</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKeyPage</name>
    <message>
        <location filename="../src/gui/pages/key_page.cpp" line="+42"/>
        <source>   Top Key</source>
        <translation>المفتاح العلوي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle Key</source>
        <translation>المفتاح الأوسط</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key</source>
        <translation>المفتاح السفلي</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Picture of the radio&apos;s programmable keys</source>
        <translation>صورة المفاتيح القابلة للبرمجة في الجهاز</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A handheld radio seen from the front. Red leader lines point to its three programmable keys: the top key on its top, the middle key high on its left side and the bottom key below it.</source>
        <translation>جهاز لاسلكي محمول من الأمام. تشير خطوط دلالية حمراء إلى مفاتيحه الثلاثة القابلة للبرمجة: المفتاح العلوي في أعلاه، والمفتاح الأوسط في أعلى جانبه الأيسر، والمفتاح السفلي أسفل منه.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio&apos;s three programmable keys: top, middle (upper side) and bottom (lower side).</source>
        <translation>المفاتيح الثلاثة القابلة للبرمجة في الجهاز: العلوي، والأوسط (أعلى الجانب)، والسفلي (أسفل الجانب).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sets the three keys and the long-press duration back to the factory values.</source>
        <translation>يعيد المفاتيح الثلاثة ومدة الضغطة الطويلة إلى إعدادات المصنع.</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+2"/>
        <location filename="../src/gui/pages/key_page.cpp" line="+25"/>
        <source>Key assignment</source>
        <translation>تعيين المفاتيح</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKivuDoc</name>
    <message>
        <location filename="../src/core/session/document_session.cpp" line="+14"/>
        <source>a plan text</source>
        <translation>خطة نصية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not read %1</source>
        <translation>تعذرت قراءة %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The plan %1 was not opened:</source>
        <translation>لم تُفتح الخطة %1:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(%1 more)</source>
        <translation>(و%1 أخرى)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The plan %1 was opened with these changes:</source>
        <translation>فُتحت الخطة %1 مع التغييرات التالية:</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKivuView</name>
    <message>
        <location filename="../src/gui/view/kivu_view.cpp" line="+76"/>
        <source>The three pages of the program: the channel table, the optional features and the key assignment.</source>
        <translation>صفحات البرنامج الثلاث: جدول القنوات، والميزات الاختيارية، وتعيين المفاتيح.</translation>
    </message>
</context>
<context>
    <name>zem::gui::COptionPage</name>
    <message>
        <location filename="../src/gui/pages/option_page.cpp" line="+43"/>
        <source>Sets every optional feature back to the factory values.</source>
        <translation>يعيد جميع الميزات الاختيارية إلى إعدادات المصنع.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Whisper  Function</source>
        <translation>وظيفة الهمس</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>VOX</source>
        <translation>VOX</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PTT ID</source>
        <translation>PTT ID</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Scan information</source>
        <translation>إعدادات المسح</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Other Function</source>
        <translation>وظائف أخرى</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-1"/>
        <location filename="../src/gui/pages/option_page.cpp" line="+66"/>
        <source>Optional features</source>
        <translation>الميزات الاختيارية</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPasswordDlg</name>
    <message>
        <location line="+13"/>
        <location filename="../src/gui/service/password_dialog.cpp" line="+21"/>
        <source>Please input password</source>
        <translation>يُرجى إدخال كلمة المرور</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPortDlg</name>
    <message>
        <location filename="../src/gui/link/port_dialog.cpp" line="+26"/>
        <source>Please enter an integer between 1 and 99.</source>
        <translation>يُرجى إدخال عدد صحيح بين 1 و99.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Please Choose serial ports</source>
        <translation>يُرجى اختيار المنفذ التسلسلي</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please input the serial ports number,For example1,2,3and so on,The maximum is 99,If you have no idea,Please see Ports(COM and LPT) in Device Manager of Control Panel in Windows XP/9X</source>
        <translation>يُرجى إدخال رقم المنفذ التسلسلي، مثل 1 أو 2 أو 3 وهكذا، والحد الأقصى 99. إذا لم تكن تعرفه، فراجع «المنافذ (COM وLPT)» في «إدارة الأجهزة» ضمن لوحة التحكم في Windows XP/9X.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Serial ports of this computer</source>
        <translation>المنافذ التسلسلية في هذا الكمبيوتر</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Device</source>
        <translation>الجهاز</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port</source>
        <translation>المنفذ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPowerSetDlg</name>
    <message>
        <location filename="../src/web/page/texts.js" line="+9"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+20"/>
        <source>Default Setting</source>
        <translation>الإعدادات الافتراضية</translation>
    </message>
    <message>
        <location line="-35"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Read</source>
        <translation>قراءة</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Write</source>
        <translation>كتابة</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <location line="-8"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Zem Electronics Co., Ltd. On Line Power Setting</source>
        <translation>Zem Electronics Co., Ltd. - ضبط القدرة المباشر</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+5"/>
        <source>The Frequency Range Setting</source>
        <translation>إعداد نطاق التردد</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+3"/>
        <source>The Maximum Frequency  (MHZ)</source>
        <translation>أقصى تردد (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>The Minimum Frequency (MHZ)</source>
        <translation>أدنى تردد (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+14"/>
        <source>Frequency Range</source>
        <translation>نطاق التردد</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>Low Power Value</source>
        <translation>قيمة القدرة المنخفضة</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>High Power Value</source>
        <translation>قيمة القدرة العالية</translation>
    </message>
</context>
<context>
    <name>zem::gui::CProgressDlg</name>
    <message>
        <location line="-10"/>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+15"/>
        <source>Start</source>
        <translation>بدء</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+1"/>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <location line="-2"/>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+13"/>
        <source>Progress:</source>
        <translation>التقدم:</translation>
    </message>
    <message>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+24"/>
        <source>Ready ......</source>
        <translation>جاهز ......</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::CellDelegate</name>
    <message>
        <location filename="../src/web/page/texts.js" line="+55"/>
        <location filename="../src/gui/channels/cell_delegates.cpp" line="+62"/>
        <source>%1, channel %2</source>
        <translation>%1، القناة %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::ChannelGridModel</name>
    <message>
        <location filename="../src/gui/channels/channel_grid_model.cpp" line="+33"/>
        <source>channel %1, %2</source>
        <translation>القناة %1، %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::CompareCommands</name>
    <message>
        <location filename="../src/gui/app/device_commands.cpp" line="+102"/>
        <source>Radio</source>
        <translation>جهاز اللاسلكي</translation>
    </message>
</context>
<context>
    <name>zem::gui::CompareDialog</name>
    <message>
        <location filename="../src/gui/workbench/compare_commands.cpp" line="+26"/>
        <source>No differences: both hold the same data.</source>
        <translation>لا توجد اختلافات: كلاهما يحتوي على البيانات نفسها.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Compare with %1</source>
        <translation>مقارنة مع %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Where</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Document</source>
        <translation>المستند</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-41"/>
        <location filename="../src/gui/workbench/compare_commands.cpp" line="+1"/>
        <source>Differences</source>
        <translation>الاختلافات</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/compare_commands.cpp" line="+8"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 difference(s) between the document and %2:</source>
        <translation>الاختلافات بين المستند و%2 (%1):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No differences on the pages: %1.</source>
        <translation>لا توجد اختلافات في الصفحات: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
</context>
<context>
    <name>zem::gui::CsvCommands</name>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="-105"/>
        <source>The channel list was not imported; nothing has changed. These values were refused:</source>
        <translation>لم تُستورد قائمة القنوات؛ لم يتغير شيء. رُفضت القيم التالية:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These values were refused. Import the other rows of the channel list and leave these rows out?</source>
        <translation>رُفضت القيم التالية. هل تريد استيراد بقية صفوف قائمة القنوات وتجاهل هذه الصفوف؟</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The channel list was imported. This radio does not store:</source>
        <translation>استُوردت قائمة القنوات. لا يخزّن هذا الجهاز ما يلي:</translation>
    </message>
    <message>
        <location line="+166"/>
        <source>Import CSV</source>
        <translation>استيراد CSV</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Import memory list</source>
        <translation>استيراد قائمة الذاكرة</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/csv_commands.cpp" line="+22"/>
        <source>Could not read %1</source>
        <translation>تعذرت قراءة %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not write %1</source>
        <translation>تعذرت الكتابة إلى %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>a channel list</source>
        <translation>قائمة قنوات</translation>
    </message>
</context>
<context>
    <name>zem::gui::DeviceCommands</name>
    <message>
        <location filename="../src/gui/app/device_commands.cpp" line="-31"/>
        <source>The read is complete, but it could not be kept in the radio history.
Folder: %1
Reason: %2</source>
        <translation>اكتملت القراءة، لكن تعذر حفظها في سجل الأجهزة.
المجلد: %1
السبب: %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::DocumentFiles</name>
    <message>
        <location filename="../src/gui/app/document_files.cpp" line="+24"/>
        <source>Programing Data</source>
        <translation>بيانات البرمجة</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Opened %1</source>
        <translation>فُتح %1</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>The file %1 was changed by another program since you opened it. Overwrite it?</source>
        <translation>عدّل برنامج آخر الملف %1 منذ أن فتحته. هل تريد الكتابة فوقه؟</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Saved %1</source>
        <translation>حُفظ %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The file %1 was changed by another program. Reload it?</source>
        <translation>عدّل برنامج آخر الملف %1. هل تريد إعادة تحميله؟</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::ExchangeGuard</name>
    <message>
        <location filename="../src/gui/app/exchange_guard.cpp" line="+14"/>
        <source>A radio is still being read or written.
Stop every radio at its next block and quit the program?</source>
        <translation>لا تزال قراءة جهاز أو الكتابة إليه جارية.
هل تريد إيقاف كل جهاز عند الكتلة التالية وإنهاء البرنامج؟</translation>
    </message>
</context>
<context>
    <name>zem::gui::FleetDialog</name>
    <message>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+46"/>
        <source> (%1 failed)</source>
        <translation> (فشل %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>; backup: %1; to put it back: put it on the cable again and write the backup to it (Open, then Write)</source>
        <translation>؛ النسخة الاحتياطية: %1؛ للاستعادة: أعد توصيل الجهاز بالكابل واكتب النسخة الاحتياطية إليه (فتح، ثم كتابة)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>; backup: %1; to put it back: Restore from backups</source>
        <translation>؛ النسخة الاحتياطية: %1؛ للاستعادة: الاستعادة من النسخ الاحتياطية</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The radios are still being written.
Stop every radio at its next block and close this window?</source>
        <translation>لا تزال الكتابة إلى الأجهزة جارية.
هل تريد إيقاف كل جهاز عند الكتلة التالية وإغلاق هذه النافذة؟</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write to Several Radios</source>
        <translation>الكتابة إلى عدة أجهزة</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Ports</source>
        <translation>المنافذ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Port numbers or device paths</source>
        <translation>أرقام المنافذ أو مسارات الأجهزة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>For every radio</source>
        <translation>لكل جهاز</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify</source>
        <translation>تحقق</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read each radio back and compare it with the plan</source>
        <translation>قراءة كل جهاز بعد الكتابة ومقارنته بالخطة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup into</source>
        <translation>نسخ احتياطي إلى</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First read each radio into a program file of its own in this folder</source>
        <translation>قراءة كل جهاز أولًا إلى ملف برنامج خاص به في هذا المجلد</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Browse...</source>
        <translation>استعراض...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repeat: one cable, many radios</source>
        <translation>تكرار: كابل واحد، أجهزة متعددة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After each radio, wait until it is taken off and program the next one put on, until Stop</source>
        <translation>بعد كل جهاز، انتظار فصله ثم برمجة الجهاز التالي الموصول، حتى الضغط على «إيقاف»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Radios</source>
        <translation>الأجهزة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port</source>
        <translation>المنفذ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>State</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Count</source>
        <translation>العدد</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>الرسالة</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Start</source>
        <translation>بدء</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save report...</source>
        <translation>حفظ التقرير...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore from backups</source>
        <translation>الاستعادة من النسخ الاحتياطية</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write each failed radio&apos;s own backup back into it</source>
        <translation>إعادة كتابة النسخة الاحتياطية لكل جهاز فشلت الكتابة إليه إلى الجهاز نفسه</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+1"/>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+2"/>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+35"/>
        <source>1 port added: %1</source>
        <translation>أُضيف منفذ واحد: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 ports added: %2</source>
        <translation>المنافذ المضافة (%1): %2</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Tick the ports of the radios to write.</source>
        <translation>حدد منافذ الأجهزة المراد الكتابة إليها.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Choose the folder for the backups.</source>
        <translation>اختر مجلد النسخ الاحتياطية.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the backups</source>
        <translation>النسخ الاحتياطية</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>Restore: %1</source>
        <translation>استعادة: %1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The report &quot;%1&quot; exists already. Replace it?</source>
        <translation>التقرير «%1» موجود بالفعل. هل تريد استبداله؟</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>put it on the cable again and write the backup to it</source>
        <translation>أعد توصيل الجهاز بالكابل واكتب النسخة الاحتياطية إليه</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Restore from backups&quot; in the window, or zemtool fleet restore %1</source>
        <translation>«الاستعادة من النسخ الاحتياطية» في النافذة، أو zemtool fleet restore %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save report</source>
        <translation>حفظ التقرير</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV file (*.csv)</source>
        <translation>ملف CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The report goes to %1 when the run ends.</source>
        <translation>يُحفظ التقرير في %1 عند انتهاء التشغيل.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Backup folder</source>
        <translation>مجلد النسخ الاحتياطية</translation>
    </message>
</context>
<context>
    <name>zem::gui::HelpWindow</name>
    <message>
        <location filename="../src/gui/app/help_window.cpp" line="+33"/>
        <source>Zem Programming Software Help</source>
        <translation>تعليمات برنامج البرمجة Zem</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Contents</source>
        <translation>المحتويات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Help page</source>
        <translation>صفحة التعليمات</translation>
    </message>
</context>
<context>
    <name>zem::gui::MainWindow</name>
    <message>
        <location filename="../src/gui/app/main_window.cpp" line="+46"/>
        <source>Zem Electronics Co., Ltd. Programing Software</source>
        <translation>Zem Electronics Co., Ltd. - برنامج البرمجة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please press F1 for Help</source>
        <translation>للحصول على التعليمات، يُرجى الضغط على F1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a Object for help</source>
        <translation>اختر عنصرًا للحصول على تعليمات عنه</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-28"/>
        <location filename="../src/gui/app/main_window.cpp" line="+1"/>
        <source>System</source>
        <translation>النظام</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window.cpp" line="+2"/>
        <source>The language changes when the program starts again.</source>
        <translation>تتغير اللغة عند تشغيل البرنامج مرة أخرى.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please directly double click inside the table</source>
        <translation>يُرجى النقر نقرًا مزدوجًا داخل الجدول مباشرة</translation>
    </message>
    <message>
        <location line="+179"/>
        <source>Standard</source>
        <translation>قياسي</translation>
    </message>
</context>
<context>
    <name>zem::gui::PowerSetCommand</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-7"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="+103"/>
        <location line="+38"/>
        <source>On Line Power Set</source>
        <translation>ضبط القدرة المباشر</translation>
    </message>
    <message>
        <location line="+78"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="-21"/>
        <source>Read the power values from the radio</source>
        <translation>قراءة قيم القدرة من الجهاز</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="+25"/>
        <source>Written</source>
        <translation>تمت الكتابة</translation>
    </message>
</context>
<context>
    <name>zem::gui::QtUserDialogs</name>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+15"/>
        <source>Program file(*.Zem)</source>
        <translation>ملف برنامج (*.Zem)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plan as text (*.yaml)</source>
        <translation>خطة نصية (*.yaml)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Program file or plan (*.Zem *.zem *.yaml *.yml);;Program file(*.Zem *.zem);;</source>
        <translation>ملف برنامج أو خطة (*.Zem *.zem *.yaml *.yml);;ملف برنامج (*.Zem *.zem);;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Channel list (%1);;All files (*)</source>
        <translation>قائمة القنوات (%1);;كل الملفات (*)</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-90"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+16"/>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+7"/>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+5"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+13"/>
        <source>Import channel list</source>
        <translation>استيراد قائمة القنوات</translation>
    </message>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+4"/>
        <source>Export CSV</source>
        <translation>تصدير CSV</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+1"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+16"/>
        <source>Export channel list</source>
        <translation>تصدير قائمة القنوات</translation>
    </message>
    <message>
        <location line="+74"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+14"/>
        <source>Save the changes to %1?</source>
        <translation>هل تريد حفظ التغييرات في %1؟</translation>
    </message>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="-8"/>
        <source>Channel list of this program (*.csv)</source>
        <translation>قائمة القنوات الخاصة بهذا البرنامج (*.csv)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Memory list of other programming tools (*.csv)</source>
        <translation>قائمة الذاكرة لبرامج البرمجة الأخرى (*.csv)</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioHistory</name>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+93"/>
        <source>it is not a folder</source>
        <translation>ليس مجلدًا</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioHistoryDialog</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-66"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+64"/>
        <source>Radio history</source>
        <translation>سجل الأجهزة</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>Radios read</source>
        <translation>الأجهزة المقروءة</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Type</source>
        <translation>الطراز</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Band</source>
        <translation>النطاق</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>First channel</source>
        <translation>القناة الأولى</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Taken by</source>
        <translation>بواسطة</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+1"/>
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>&amp;Note...</source>
        <translation>ملاحظة(&amp;N)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>حذف(&amp;D)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Could not save the note.</source>
        <translation>تعذر حفظ الملاحظة.</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+38"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+18"/>
        <source>Compare</source>
        <translation>مقارنة</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Read</source>
        <translation>قراءة</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>Every complete read from a radio, newest first (the newest %1 are kept).</source>
        <translation>كل قراءة كاملة من جهاز، الأحدث أولًا (يُحتفظ بأحدث %1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>No radio has been read yet.</source>
        <translation>لم تتم قراءة أي جهاز بعد.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>Delete the read of %1 %2 from the radio history?</source>
        <translation>هل تريد حذف قراءة %1 %2 من سجل الأجهزة؟</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+4"/>
        <source>Could not delete the read of %1 %2.</source>
        <translation>تعذر حذف قراءة %1 %2.</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioPage</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-29"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+11"/>
        <source>Please click the CommBox to choose value</source>
        <translation>يُرجى النقر على القائمة المنسدلة لاختيار قيمة</translation>
    </message>
    <message>
        <location line="-1"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+1"/>
        <source>Please Click the cell to edit or input data</source>
        <translation>يُرجى النقر على الخلية لتحريرها أو لإدخال البيانات</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+1"/>
        <source>For help，please press F1</source>
        <translation>للحصول على التعليمات، يُرجى الضغط على F1</translation>
    </message>
    <message>
        <location line="-44"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+10"/>
        <location line="+4"/>
        <source>Default Setting</source>
        <translation>الإعدادات الافتراضية</translation>
    </message>
</context>
<context>
    <name>zem::gui::RefusalListDialog</name>
    <message>
        <location filename="../src/gui/common/refusal_list_dialog.cpp" line="+43"/>
        <source>&amp;Copy</source>
        <translation>نسخ(&amp;C)</translation>
    </message>
</context>
<context>
    <name>zem::gui::TransferController</name>
    <message>
        <location filename="../src/gui/link/transfer_controller.cpp" line="+31"/>
        <source>the check was stopped</source>
        <translation>أُوقف التحقق</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Verifying Written Data</source>
        <translation>جارٍ التحقق من البيانات المكتوبة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading the radio back to compare...</source>
        <translation>جارٍ قراءة الجهاز للمقارنة...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify</source>
        <translation>تحقق</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Verifying written data</source>
        <translation>جارٍ التحقق من البيانات المكتوبة</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Read from radio</source>
        <translation>القراءة من الجهاز</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Read from the radio</source>
        <translation>تمت القراءة من الجهاز</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio</source>
        <translation>تمت الكتابة إلى الجهاز</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio and verified</source>
        <translation>تمت الكتابة إلى الجهاز والتحقق منها</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio, but not checked: %1</source>
        <translation>تمت الكتابة إلى الجهاز، لكن دون تحقق: %1</translation>
    </message>
</context>
<context>
    <name>zem::gui::UndoRouter</name>
    <message>
        <location filename="../src/gui/app/undo_router.cpp" line="+18"/>
        <source>Undo: %1</source>
        <translation>تراجع: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Redo: %1</source>
        <translation>إعادة: %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Undo</source>
        <translation>تراجع(&amp;U)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>إعادة(&amp;R)</translation>
    </message>
</context>
<context>
    <name>zem::gui::WindowCommands</name>
    <message>
        <location filename="../src/gui/app/window_commands.cpp" line="+44"/>
        <source>New(&amp;N)	Ctrl+N</source>
        <translation>جديد(&amp;N)	Ctrl+N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create a new document
New</source>
        <translation>إنشاء مستند جديد
جديد</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open(&amp;O)...	Ctrl+O</source>
        <translation>فتح(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open an existing document
Open</source>
        <translation>فتح مستند موجود
فتح</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save(&amp;S)	Ctrl+S</source>
        <translation>حفظ(&amp;S)	Ctrl+S</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document
Save</source>
        <translation>حفظ المستند النشط
حفظ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save as(&amp;A)...</source>
        <translation>حفظ باسم(&amp;A)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document with a new name
Save As</source>
        <translation>حفظ المستند النشط باسم جديد
حفظ باسم</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Import channel list...</source>
        <translation>استيراد قائمة القنوات(&amp;I)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace the channels by those of a channel list: this program&apos;s CSV or the memory list of other programming tools
Import channel list</source>
        <translation>استبدال القنوات بقنوات قائمة قنوات: ملف CSV الخاص بهذا البرنامج أو قائمة الذاكرة من برامج برمجة أخرى
استيراد قائمة القنوات</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export channel list...</source>
        <translation>تصدير قائمة القنوات(&amp;E)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the channels as this program&apos;s CSV or as the memory list of other programming tools
Export channel list</source>
        <translation>حفظ القنوات كملف CSV الخاص بهذا البرنامج أو كقائمة ذاكرة لبرامج برمجة أخرى
تصدير قائمة القنوات</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Radio history...</source>
        <translation>سجل الأجهزة(&amp;R)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open one of the radios read before
Radio history</source>
        <translation>فتح أحد الأجهزة المقروءة سابقًا
سجل الأجهزة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print(&amp;P)...	Ctrl+P</source>
        <translation>طباعة(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print the active document
Print</source>
        <translation>طباعة المستند النشط
طباعة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print Preview(&amp;V)</source>
        <translation>معاينة قبل الطباعة(&amp;V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display full pages
Print Preview</source>
        <translation>عرض الصفحات كاملة
معاينة قبل الطباعة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print Setup(&amp;S)...</source>
        <translation>إعداد الطباعة(&amp;S)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>تغيير الطابعة وخيارات الطباعة
إعداد الطباعة</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Recent File</source>
        <translation>الملفات الأخيرة</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+4"/>
        <location line="+4"/>
        <location line="+4"/>
        <source>Open this file</source>
        <translation>فتح هذا الملف</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit(&amp;X)</source>
        <translation>خروج(&amp;X)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>إنهاء التطبيق؛ مع المطالبة بحفظ المستندات
خروج</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Undo the last change
Undo</source>
        <translation>التراجع عن آخر تغيير
تراجع</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Redo the change undone last
Redo</source>
        <translation>إعادة آخر تغيير تم التراجع عنه
إعادة</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cut(&amp;T)	Ctrl+X</source>
        <translation>قص(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut the selected cells and put them on the Clipboard
Cut</source>
        <translation>قص الخلايا المحددة ووضعها في الحافظة
قص</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy(&amp;C)	Ctrl+C</source>
        <translation>نسخ(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the selected cells to the Clipboard
Copy</source>
        <translation>نسخ الخلايا المحددة إلى الحافظة
نسخ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paste(&amp;P)	Ctrl+V</source>
        <translation>لصق(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert the Clipboard contents at the selected cell
Paste</source>
        <translation>إدراج محتويات الحافظة عند الخلية المحددة
لصق</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete(&amp;D)	Del</source>
        <translation>حذف(&amp;D)	Del</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Empty the selected cells
Delete</source>
        <translation>تفريغ الخلايا المحددة
حذف</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Read From Radio(&amp;U)	Ctrl+R</source>
        <translation>القراءة من الجهاز(&amp;U)	Ctrl+R</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read Data From interphone 
Read</source>
        <translation>قراءة البيانات من جهاز اللاسلكي
قراءة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Write to Radio	Ctrl+W</source>
        <translation>الكتابة إلى الجهاز(&amp;W)	Ctrl+W</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write Data to interphone
Write</source>
        <translation>كتابة البيانات إلى جهاز اللاسلكي
كتابة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Write to &amp;several radios...</source>
        <translation>الكتابة إلى عدة أجهزة(&amp;S)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write this document into many radios, at once or one after another
Write to several radios</source>
        <translation>كتابة هذا المستند إلى عدة أجهزة، دفعة واحدة أو واحدًا تلو الآخر
الكتابة إلى عدة أجهزة</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Compare with radio...</source>
        <translation>مقارنة مع الجهاز(&amp;C)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the radio and list where it differs from the document; the document stays as it is
Compare with radio</source>
        <translation>قراءة الجهاز وسرد مواضع اختلافه عن المستند؛ يبقى المستند كما هو
مقارنة مع الجهاز</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Compare with &amp;file...</source>
        <translation>مقارنة مع ملف(&amp;F)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List where a program file differs from the document
Compare with file</source>
        <translation>سرد مواضع اختلاف ملف برنامج عن المستند
مقارنة مع ملف</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit Channel	Ctrl+G</source>
        <translation>تحرير القناة(&amp;E)	Ctrl+G</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit channel Data 
Edit</source>
        <translation>تحرير بيانات القناة
تحرير</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>On Line Power Set(&amp;Y)	Ctrl+T</source>
        <translation>ضبط القدرة المباشر(&amp;Y)	Ctrl+T</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Debug TX Power,Squelch Level,Low Power Alert on line</source>
        <translation>ضبط قدرة الإرسال ومستوى كاتم الضوضاء وتنبيه انخفاض البطارية مباشرة على الجهاز</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>COM1(&amp;P)	Ctrl+C</source>
        <translation>COM1(&amp;P)	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com1</source>
        <translation>اختيار COM1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM2(&amp;Q)	Ctrl+D</source>
        <translation>COM2(&amp;Q)	Ctrl+D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com2</source>
        <translation>اختيار COM2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM3(&amp;S)	Ctrl+E</source>
        <translation>COM3(&amp;S)	Ctrl+E</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com3</source>
        <translation>اختيار COM3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM4(&amp;T	Ctrl+F</source>
        <translation>COM4(&amp;T)	Ctrl+F</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com4</source>
        <translation>اختيار COM4</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Other ....</source>
        <translation>منفذ آخر(&amp;O)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose other Com Port</source>
        <translation>اختيار منفذ COM آخر</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Verify after write</source>
        <translation>التحقق بعد الكتابة(&amp;V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the radio back after a write and compare it with what was written
Verify</source>
        <translation>قراءة الجهاز بعد الكتابة ومقارنته بما كُتب
تحقق</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Toolbar(&amp;T)</source>
        <translation>شريط الأدوات(&amp;T)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>إظهار شريط الأدوات أو إخفاؤه
تبديل شريط الأدوات</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Status Bar(&amp;S)</source>
        <translation>شريط الحالة(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>إظهار شريط الحالة أو إخفاؤه
تبديل شريط الحالة</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Language(&amp;L)</source>
        <translation>اللغة(&amp;L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the language of the window
Language</source>
        <translation>اختيار لغة النافذة
اللغة</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Help Content(&amp;H)</source>
        <translation>محتويات التعليمات(&amp;H)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About Me(&amp;A)...</source>
        <translation>حول البرنامج(&amp;A)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display the version,copyright of this software 
 about</source>
        <translation>عرض إصدار هذا البرنامج وحقوق النشر
حول</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help List</source>
        <translation>فهرس التعليمات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List the catalog of help 
Help List</source>
        <translation>عرض فهرس التعليمات
فهرس التعليمات</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-10"/>
        <location filename="../src/gui/app/window_commands.cpp" line="+3"/>
        <source>Help</source>
        <translation>تعليمات</translation>
    </message>
    <message>
        <location filename="../src/gui/app/window_commands.cpp" line="+1"/>
        <source>Show the help about current task
help</source>
        <translation>عرض التعليمات الخاصة بالمهمة الحالية
تعليمات</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>What&apos;s This</source>
        <translation>ما هذا؟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the context of help
help</source>
        <translation>عرض التعليمات حسب السياق
تعليمات</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>File(&amp;F)</source>
        <translation>ملف(&amp;F)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit(&amp;E)</source>
        <translation>تحرير(&amp;E)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program(&amp;P)</source>
        <translation>برمجة(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup(&amp;S)</source>
        <translation>إعداد(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View(&amp;V)</source>
        <translation>عرض(&amp;V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help(&amp;H)</source>
        <translation>تعليمات(&amp;H)</translation>
    </message>
</context>
</TS>
