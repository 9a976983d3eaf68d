<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>ChannelTable</name>
    <message>
        <location filename="../src/core/channels/band.cpp" line="+92"/>
        <source>Other...</source>
        <translation>Інший...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Other....</source>
        <translation>Інший...</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_commit.cpp" line="+72"/>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High</source>
        <translation>Висока</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>Низька</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wide</source>
        <translation>Широка</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Narrow</source>
        <translation>Вузька</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Off</source>
        <translation>Вимк.</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Carrier</source>
        <translation>Несуча</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DT/DQT</source>
        <translation>DT/DQT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On</source>
        <translation>Увімк.</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_table.cpp" line="+10"/>
        <source>Ch</source>
        <translation>Кан.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Receive</source>
        <translation>Приймання</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transmit</source>
        <translation>Передавання</translation>
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
        <translation>Сканув.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power</source>
        <translation>Потужність</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>W/N</source>
        <translation>W/N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Busy</source>
        <translation>Блок. зайн.</translation>
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
        <translation>Вимк.</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Monitor Momentary</source>
        <translation>Монітор (під час утримання)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monitor </source>
        <translation>Монітор</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+15"/>
        <location filename="../src/core/pages/radio_settings.cpp" line="+198"/>
        <source>Scramble</source>
        <translation>Скремблер</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Alarm</source>
        <translation>Тривога</translation>
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
        <translation>Шепіт</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <location filename="../src/core/pages/radio_settings.cpp" line="+4"/>
        <source>Compand Expand</source>
        <translation>Компандер</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>Power</source>
        <translation>Потужність</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <location filename="../src/core/pages/radio_settings.cpp" line="-9"/>
        <source>Energy Check</source>
        <translation>Контроль заряду батареї</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Monitor</source>
        <translation>Монітор</translation>
    </message>
    <message>
        <location filename="../src/core/pages/option_values.cpp" line="-49"/>
        <source>Scan Pause</source>
        <translation>Пауза сканування</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Carrier</source>
        <translation>Несуча</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tone</source>
        <translation>Звуковий сигнал</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Chinese</source>
        <translation>Китайська</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>English</source>
        <translation>Англійська</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Detect</source>
        <translation>Виявлення</translation>
    </message>
    <message>
        <location filename="../src/core/pages/radio_settings.cpp" line="-83"/>
        <source>Scan information</source>
        <translation>Параметри сканування</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other Function</source>
        <translation>Інші функції</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Whisper  Function</source>
        <translation>Режим шепоту</translation>
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
        <translation>Режим сканування</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Carrier: scanning stops on a channel while a carrier is received.</source>
        <translation>Несуча: сканування зупиняється на каналі, поки приймається несуча.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Receive recovery time (sec)</source>
        <translation>Час відновлення після приймання (с)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How long scanning waits on a channel after the signal has gone, in seconds.</source>
        <translation>Час очікування сканування на каналі після зникнення сигналу, у секундах.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transmission  recovery time (sec)</source>
        <translation>Час відновлення після передачі (с)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How long scanning waits after you have transmitted, in seconds.</source>
        <translation>Час очікування сканування після закінчення вашої передачі, у секундах.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Radiate Time Out Timer(s)</source>
        <translation>Таймер обмеження передачі (с)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ends a transmission that lasts longer than this; Off for no limit.</source>
        <translation>Перериває передачу, що триває довше за заданий час; Вимк. — без обмеження.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Voice/Beep Tone</source>
        <translation>Голосові/звукові підказки</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>What the radio says or sounds when a key is pressed.</source>
        <translation>Голосове повідомлення або звуковий сигнал радіостанції під час натискання клавіші.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Squelch Level</source>
        <translation>Рівень шумоподавлення</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How strong a signal must be to open the loudspeaker.</source>
        <translation>Мінімальний рівень сигналу, за якого відкривається динамік.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock Detect</source>
        <translation>Виявлення блокування</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Whisper level</source>
        <translation>Рівень шепоту</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whisper  </source>
        <translation>Шепіт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Microphone gain for speaking quietly, when the whisper function is on.</source>
        <translation>Підсилення мікрофона для тихого мовлення, коли ввімкнено режим шепоту.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Whisper  Function Enable</source>
        <translation>Увімкнути режим шепоту</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>VOX level</source>
        <translation>Рівень VOX</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vox Function</source>
        <translation>Функція VOX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How loud you must speak to start transmitting, when VOX is on.</source>
        <translation>Наскільки голосно треба говорити, щоб почалася передача, коли ввімкнено VOX.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vox Function Enable</source>
        <translation>Увімкнути VOX</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PTT ID Start</source>
        <translation>PTT ID на початку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Початок</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The PTT ID code sent when transmission starts: up to 8 digits.</source>
        <translation>Код PTT ID, що передається на початку передачі: до 8 цифр.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTT ID End</source>
        <translation>PTT ID в кінці</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End</source>
        <translation>Кінець</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The PTT ID code sent when transmission ends: up to 8 digits.</source>
        <translation>Код PTT ID, що передається в кінці передачі: до 8 цифр.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PTT ID Start Enable</source>
        <translation>Увімкнути PTT ID на початку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Enable</source>
        <translation>Увімкнути на початку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTT ID End Enable</source>
        <translation>Увімкнути PTT ID в кінці</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End Enable</source>
        <translation>Увімкнути в кінці</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DTMF Speed  Digit/sec</source>
        <translation>Швидкість DTMF, цифр/с</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How fast the PTT ID digits are sent.</source>
        <translation>Швидкість передавання цифр PTT ID.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First Digit Time(ms)</source>
        <translation>Тривалість першої цифри (мс)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>First Digit Delay Time(ms)</source>
        <translation>Затримка першої цифри (мс)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DTMF Side Tone</source>
        <translation>Самоконтроль DTMF</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wired Clone Mode</source>
        <translation>Клонування кабелем</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Alarm Function Enable</source>
        <translation>Увімкнути функцію тривоги</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save Energy</source>
        <translation>Енергозбереження</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The receiver sleeps between checks for a signal, to save the battery.</source>
        <translation>Приймач вимикається між перевірками наявності сигналу, щоб заощадити заряд батареї.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Long Press</source>
        <translation>Довге натискання</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Short Press</source>
        <translation>Коротке натискання</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   Top Key</source>
        <translation>Верхня клавіша</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle Key</source>
        <translation>Середня клавіша</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key</source>
        <translation>Нижня клавіша</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Long Press Duration(s)</source>
        <translation>Тривалість довгого натискання (с)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top Key Long Press</source>
        <translation>Довге натискання верхньої клавіші</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Top Key Short Press</source>
        <translation>Коротке натискання верхньої клавіші</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Middle Key Long Press</source>
        <translation>Довге натискання середньої клавіші</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Middle Key Short Press</source>
        <translation>Коротке натискання середньої клавіші</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key Long Press</source>
        <translation>Довге натискання нижньої клавіші</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bottom Key Short Press</source>
        <translation>Коротке натискання нижньої клавіші</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <location filename="../src/web/page/texts.js" line="+15"/>
        <source>Zem Programming Software</source>
        <translation>Програма програмування Zem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Commands</source>
        <translation>Команди</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New</source>
        <translation>Створити</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as</source>
        <translation>Зберегти як</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Share as link</source>
        <translation>Поділитися посиланням</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify after write</source>
        <translation>Перевіряти після запису</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compare with radio</source>
        <translation>Порівняти з радіостанцією</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare with file</source>
        <translation>Порівняти з файлом</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pages</source>
        <translation>Сторінки</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Picture of the radio&apos;s programmable keys: a handheld radio seen from the front, with red leader lines to its top key, the middle key high on its left side and the bottom key below it.</source>
        <translation>Зображення програмованих кнопок радіостанції: портативна радіостанція спереду, червоні виноски вказують на верхню кнопку, середню кнопку у верхній частині лівого боку та нижню кнопку під нею.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channel listing for printing</source>
        <translation>Список каналів для друку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Details</source>
        <translation>Докладно</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help pages</source>
        <translation>Сторінки довідки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drop a program file (.Zem) to open it</source>
        <translation>Перетягніть сюди файл програми (.Zem), щоб відкрити його</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Retry</source>
        <translation>Повторити спробу</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Відкинути</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This browser cannot reach a serial cable. To read or write the radio, open this page in Chrome or Edge (version 89 or later) on a desktop computer; files can be opened, edited and saved here.</source>
        <translation>Цей браузер не має доступу до послідовного кабелю. Щоб зчитати або записати радіостанцію, відкрийте цю сторінку в Chrome або Edge (версії 89 або новішої) на настільному комп’ютері; тут можна відкривати, редагувати та зберігати файли.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This browser does not run WebAssembly, which the program&apos;s core needs, so nothing here can work. The page works in current Chrome, Edge, Firefox and Safari; reading and writing the radio needs Chrome or Edge (version 89 or later) on a desktop computer.</source>
        <translation>Цей браузер не підтримує WebAssembly, потрібний ядру програми, тому тут нічого не працюватиме. Сторінка працює в актуальних версіях Chrome, Edge, Firefox і Safari; для зчитування та запису радіостанції потрібен Chrome або Edge (версії 89 або новішої) на настільному комп’ютері.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The program&apos;s core (zem.wasm, WebAssembly) could not be loaded, so nothing here can work: %1. The browser or the site&apos;s policy may block WebAssembly. The page works in current Chrome, Edge, Firefox and Safari; reading and writing the radio needs Chrome or Edge (version 89 or later) on a desktop computer.</source>
        <translation>Не вдалося завантажити ядро програми (zem.wasm, WebAssembly), тому тут нічого не працюватиме: %1. Можливо, WebAssembly блокує браузер або політика сайту. Сторінка працює в актуальних версіях Chrome, Edge, Firefox і Safari; для зчитування та запису радіостанції потрібен Chrome або Edge (версії 89 або новішої) на настільному комп’ютері.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was handed to the browser&apos;s downloads.
Did the file save?</source>
        <translation>%1 передано до завантажень браузера.
Файл збережено?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not save %1: %2</source>
        <translation>Не вдалося зберегти %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program file</source>
        <translation>Файл програми</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program file or plan</source>
        <translation>Файл програми або план</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The link to this plan was copied to the clipboard. Whoever opens it sees the plan, ready for Write.</source>
        <translation>Посилання на цей план скопійовано до буфера обміну. Кожен, хто його відкриє, побачить план, готовий до запису.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The browser did not let the page copy the link. Copy it from here:</source>
        <translation>Браузер не дозволив сторінці скопіювати посилання. Скопіюйте його звідси:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read %1 of %2 blocks</source>
        <translation>Зчитано блоків: %1 з %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrote %1 of %2 blocks</source>
        <translation>Записано блоків: %1 з %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Could not save the radio history.</source>
        <translation>Не вдалося зберегти історію радіостанції.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note of the read of %1 %2</source>
        <translation>Примітка щодо зчитування %1 %2</translation>
    </message>
</context>
<context>
    <name>zem::Channels</name>
    <message>
        <location filename="../src/core/channels/band.cpp" line="-89"/>
        <source>You select other Type ,this will clear all data as new document,are you sure?</source>
        <translation>Вибір іншого типу очистить усі дані, як у новому документі. Продовжити?</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>outside %1-%2 MHz; this plan has no band chosen</source>
        <translation>поза межами %1-%2 МГц; у цьому плані діапазон не вибрано</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>outside %1-%2 MHz; this plan is for band %3</source>
        <translation>поза межами %1-%2 МГц; цей план для діапазону %3</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_clipboard.cpp" line="+14"/>
        <source>These values were not pasted:</source>
        <translation>Ці значення не вставлено:</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>channel %1, %2: &quot;%3&quot;: %4</source>
        <translation>канал %1, %2: «%3»: %4</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>%1 row did not fit below channel 16 and was not pasted</source>
        <translation>Рядків, що не вмістилися нижче каналу 16 і не були вставлені: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows did not fit below channel 16 and were not pasted</source>
        <translation>Рядків, що не вмістилися нижче каналу 16 і не були вставлені: %1</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_commit.cpp" line="-62"/>
        <source>Error Data Format，Please input again</source>
        <translation>Неправильний формат даних. Введіть значення ще раз.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error data Value，Please input according the step value(6.25K/5k)</source>
        <translation>Неправильне значення. Введіть значення, кратне кроку (6,25 або 5 кГц).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not an entry of the tone list</source>
        <translation>немає в списку тонів</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>must be one of %1</source>
        <translation>допустиме одне зі значень: %1</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>not a cell of the channel table</source>
        <translation>не комірка таблиці каналів</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_csv.cpp" line="+94"/>
        <source>line %1: text after a closing quote</source>
        <translation>рядок %1: текст після закривальних лапок</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>line %1: a quoted field is not closed</source>
        <translation>рядок %1: поле в лапках не закрито</translation>
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
        <translation>рядок %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, channel %2</source>
        <translation>%1, канал %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/channels/memory_list.cpp" line="+4"/>
        <source>%1, %2 &quot;%3&quot;</source>
        <translation>%1, %2 «%3»</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the column appears twice</source>
        <translation>стовпець трапляється двічі</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>expected a header row with the column &quot;Ch&quot; and any of %1, separated by commas, semicolons or tabs; found &quot;%2&quot;</source>
        <translation>очікувався рядок заголовка зі стовпцем «Ch» і будь-якими зі стовпців %1, розділеними комами, крапками з комою або табуляціями; знайдено «%2»</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>the text has no header row</source>
        <translation>у тексті немає рядка заголовка</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the row has %1 fields, the header %2</source>
        <translation>полів у рядку: %1, у заголовку: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>not a channel number from 1 to 16</source>
        <translation>не номер каналу від 1 до 16</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the channel has a row already</source>
        <translation>для цього каналу вже є рядок</translation>
    </message>
    <message>
        <location filename="../src/core/channels/memory_list.cpp" line="-2"/>
        <source>%1, Location %2</source>
        <translation>%1, Location %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>the file has no header row</source>
        <translation>у файлі немає рядка заголовка</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the header row has no %1 column</source>
        <translation>у рядку заголовка немає стовпця %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>not a whole number</source>
        <translation>не ціле число</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the Location appears twice</source>
        <translation>значення Location трапляється двічі</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>no memory to import</source>
        <translation>немає комірок пам&apos;яті для імпорту</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>must be High, Low or a wattage such as 5.0W</source>
        <translation>допустимо High, Low або потужність у ватах, наприклад 5.0W</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Location %1 &quot;%2&quot;</source>
        <translation>Location %1 «%2»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>names not stored: %1</source>
        <translation>назви не збережено: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>column &quot;%1&quot; not stored: %2 row(s) hold a value there</source>
        <translation>стовпець «%1» не збережено: рядків зі значенням у ньому: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 row(s) past the sixteen taken: Location %2 not stored</source>
        <translation>рядків понад шістнадцять прийнятих: %1; не збережено: Location %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 row(s) past the sixteen taken: Location %2 to %3 not stored</source>
        <translation>рядків понад шістнадцять прийнятих: %1; не збережено: Location з %2 по %3</translation>
    </message>
    <message>
        <location filename="../src/core/channels/memory_row.cpp" line="+91"/>
        <source>%1 is empty</source>
        <translation>поле %1 порожнє</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>not a CTCSS tone of the tone list</source>
        <translation>не тон CTCSS зі списку тонів</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>not a DCS code of the tone list</source>
        <translation>не код DCS зі списку тонів</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+33"/>
        <source>not a frequency in MHz</source>
        <translation>не частота в МГц</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>this radio stores only FM (Wide) and NFM (Narrow)</source>
        <translation>ця радіостанція зберігає лише FM (широка смуга) і NFM (вузька смуга)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>must be S, P or empty</source>
        <translation>допустимо S, P або порожньо</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the transmit frequency would be below zero</source>
        <translation>частота передавання була б меншою за нуль</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>transmit %1</source>
        <translation>передавання %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>must be empty, +, -, split or off</source>
        <translation>допустимо порожньо, +, -, split або off</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>must be two letters N or R, transmit then receive</source>
        <translation>потрібні дві літери N або R: спочатку передавання, потім приймання</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>not a cross mode this radio can hold</source>
        <translation>такий крос-режим ця радіостанція не підтримує</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>must be empty, Tone, TSQL, DTCS or Cross</source>
        <translation>допустимо порожньо, Tone, TSQL, DTCS або Cross</translation>
    </message>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="+103"/>
        <source> — choose the band on the Channel Setting page</source>
        <translation> — виберіть діапазон на сторінці «Налаштування каналів»</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>column &quot;%1&quot; is not a channel table column; ignored</source>
        <translation>стовпець «%1» не належить до таблиці каналів і пропущений</translation>
    </message>
</context>
<context>
    <name>zem::Compare</name>
    <message>
        <location filename="../src/core/compare/document_diff.cpp" line="+129"/>
        <source>byte %1</source>
        <translation>байт %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bytes %1-%2</source>
        <translation>байти %1-%2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>(empty)</source>
        <translation>(порожньо)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>on</source>
        <translation>увімк.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>off</source>
        <translation>вимк.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Band</source>
        <translation>Діапазон</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>channel %1 %2</source>
        <translation>канал %1 %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low Power Value %1</source>
        <translation>Значення низької потужності %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>High Power Value %1</source>
        <translation>Значення високої потужності %1</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>%1 byte differs only in how the radio holds values that the pages show the same way</source>
        <translation>%1 байт відрізняється лише тим, як радіостанція зберігає значення, які сторінки показують однаково</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 bytes differ only in how the radio holds values that the pages show the same way</source>
        <translation>байти (%1) відрізняються лише тим, як радіостанція зберігає значення, які сторінки показують однаково</translation>
    </message>
</context>
<context>
    <name>zem::File</name>
    <message>
        <location filename="../src/core/document/input_text.cpp" line="+14"/>
        <source>%1 is %2; %3 is at most %4</source>
        <translation>%1 має розмір %2; %3 може займати не більше %4</translation>
    </message>
    <message>
        <location line="+85"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+51"/>
        <source>more than %1</source>
        <translation>більше %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: read error</source>
        <translation>%1: помилка читання</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is a folder, not %2</source>
        <translation>%1 — це папка, а не %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1: cannot be opened for reading</source>
        <translation>%1: не вдається відкрити для читання</translation>
    </message>
    <message>
        <location filename="../src/core/document/program_file.cpp" line="+301"/>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Файл «%1» не існує.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot open &quot;%1&quot;: it is a folder, not a program file.</source>
        <translation>Не вдається відкрити «%1»: це папка, а не файл програми.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot open the file &quot;%1&quot;.</source>
        <translation>Не вдається відкрити файл «%1».</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="-6"/>
        <source>Cannot read the file &quot;%1&quot;.</source>
        <translation>Не вдається прочитати файл «%1».</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+3"/>
        <source>The file &quot;%1&quot; is not a program file: it holds %2 bytes, a program file holds %3.</source>
        <translation>Файл «%1» не є файлом програми: його розмір %2 байт, а файл програми займає %3.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot open the file &quot;%1&quot;: %2</source>
        <translation>Не вдається відкрити файл «%1»: %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Cannot save the file &quot;%1&quot;: it is a folder.</source>
        <translation>Не вдається зберегти файл «%1»: це папка.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot save the file &quot;%1&quot;: it is read-only.</source>
        <translation>Не вдається зберегти файл «%1»: він доступний лише для читання.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <translation>Не вдається зберегти файл «%1»: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot save the file &quot;%1&quot;: %2</source>
        <translation>Не вдається зберегти файл «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/core/document/share_link.cpp" line="+12"/>
        <source>This link does not hold a whole plan: it may have been cut short or changed on its way. Nothing has changed.</source>
        <translation>Це посилання не містить плану повністю: можливо, його обрізано або змінено дорогою. Нічого не змінено.</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+11"/>
        <source>No folder given.</source>
        <translation>Теку не вказано.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot use the folder &quot;%1&quot;: %2.</source>
        <translation>Не вдається використати теку «%1»: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a folder</source>
        <translation>це не тека</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cannot write into the folder &quot;%1&quot;.</source>
        <translation>Не вдається записати в теку «%1».</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot use the folder &quot;%1&quot;: %2</source>
        <translation>Не вдається використати теку «%1»: %2</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Cannot create &quot;%1&quot;: %2.</source>
        <translation>Не вдається створити «%1»: %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot find a free name for &quot;%1&quot;.</source>
        <translation>Не вдається дібрати вільне ім&apos;я для «%1».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The report &quot;%1&quot; is a folder.</source>
        <translation>Звіт «%1» — це тека.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The report &quot;%1&quot; exists already.</source>
        <translation>Звіт «%1» уже існує.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot write the report &quot;%1&quot;.</source>
        <translation>Не вдається записати звіт «%1».</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot write the report &quot;%1&quot;: %2.</source>
        <translation>Не вдається записати звіт «%1»: %2.</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_report.cpp" line="+62"/>
        <source>The report is empty.</source>
        <translation>Звіт порожній.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This is no fleet report: its first line has no port, result and backup columns.</source>
        <translation>Це не звіт про запис у кілька радіостанцій: у його першому рядку немає стовпців port, result і backup.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The report has several radios on %1 (one cable, many radios): put each one on the cable again and write its backup with zemtool write.</source>
        <translation>У звіті кілька радіостанцій на %1 (один кабель, багато радіостанцій): знову під&apos;єднайте кожну з них до кабелю та запишіть у неї її резервну копію командою zemtool write.</translation>
    </message>
</context>
<context>
    <name>zem::Link</name>
    <message>
        <location filename="../src/core/compare/verify_mismatch.cpp" line="+32"/>
        <source>The radio does not hold what was written. First difference: %1.
The program has kept its data: write again, or check the radio and the cable.</source>
        <translation>У радіостанції не те, що було записано. Перша відмінність: %1.
Дані в програмі збережено: запишіть ще раз або перевірте радіостанцію та кабель.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The radio does not hold what was written. First difference: %1 is %2 in the radio, %3 in the program.
The program has kept its data: write again, or check the radio and the cable.</source>
        <translation>У радіостанції не те, що було записано. Перша відмінність: %1 — у радіостанції %2, у програмі %3.
Дані в програмі збережено: запишіть ще раз або перевірте радіостанцію та кабель.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The radio does not hold what was written. First difference: %1.</source>
        <translation>У радіостанції не те, що було записано. Перша відмінність: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The radio does not hold what was written. First difference: %1 is %2 in the radio, %3 in the program.</source>
        <translation>У радіостанції не те, що було записано. Перша відмінність: %1 — у радіостанції %2, у програмі %3.</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/radio_job.cpp" line="+18"/>
        <source>Cancelled</source>
        <translation>Скасовано</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>waiting</source>
        <translation>очікування</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>backing up</source>
        <translation>резервне копіювання</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>writing</source>
        <translation>запис</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verifying</source>
        <translation>перевірка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>done</source>
        <translation>готово</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>failed</source>
        <translation>помилка</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the radio is unchanged</source>
        <translation>радіостанцію не змінено</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the radio holds a partial write (%1 of %2 blocks)</source>
        <translation>у радіостанції частковий запис (блоків: %1 з %2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the radio holds the whole write, not checked</source>
        <translation>у радіостанції повний запис, без перевірки</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the radio holds a write that differs from the plan</source>
        <translation>у радіостанції запис, що відрізняється від плану</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>cancelled during verify, after the whole write</source>
        <translation>скасовано під час перевірки, після повного запису</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled at block %1 of %2</source>
        <translation>скасовано на блоці %1 з %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled before the first block was written</source>
        <translation>скасовано до запису першого блока</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>no backup, so nothing was written</source>
        <translation>резервної копії немає, тому нічого не записано</translation>
    </message>
    <message>
        <location filename="../src/core/link/link_messages.cpp" line="+7"/>
        <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
        <translation>Не вдається відкрити порт. Перевірте, чи не зайнятий порт і чи справний пристрій.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now are detecting communication port,Please wait...</source>
        <translation>Пошук порту зв’язку, зачекайте...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Waiting the response from radio...</source>
        <translation>Очікування відповіді від радіостанції...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Communication error ,Please check all the connections and the radio power</source>
        <translation>Помилка зв’язку. Перевірте всі з’єднання та живлення радіостанції.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not received enough byte</source>
        <translation>Отримано недостатньо байтів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program interruput,please reset the radio and try again</source>
        <translation>Програмування перервано. Перезапустіть радіостанцію та спробуйте ще раз.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Program interruput,please reset the radio and try again</source>
        <translation> Програмування перервано. Перезапустіть радіостанцію та спробуйте ще раз.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading Data Progress</source>
        <translation>Зчитування даних</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing Data Progress</source>
        <translation>Запис даних</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ready ......</source>
        <translation>Готово до роботи...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio took the whole write, but reading it back to check it failed: %1</source>
        <translation>Запис у радіостанцію виконано повністю, але контрольне зчитування не вдалося: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The write was stopped before the end: the radio now holds part of this program and part of what it held before. Write it again before using the radio.</source>
        <translation>Запис зупинено до завершення: тепер у радіостанції частково ця програма, а частково попередні дані. Запишіть її ще раз, перш ніж користуватися радіостанцією.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the line failed: %1</source>
        <translation>збій лінії зв&apos;язку: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the radio did not answer</source>
        <translation>радіостанція не відповіла</translation>
    </message>
    <message>
        <location filename="../src/core/service/access_code.cpp" line="+7"/>
        <source>Not the correct password</source>
        <translation>Неправильний пароль</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+80"/>
        <source>%1: plan: %2, radio: %3</source>
        <translation>%1: у плані %2, у радіостанції %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>block %1 (%2-%3) differs</source>
        <translation>блок %1 (%2-%3) відрізняється</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>block %1 (%2-%3) differs: %4</source>
        <translation>блок %1 (%2-%3) відрізняється: %4</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_report.cpp" line="-37"/>
        <source>%1 done, %2 failed</source>
        <translation>успішно: %1, з помилкою: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 done, %2 failed, %3 port not used (missing or given twice)</source>
        <translation>успішно: %1, з помилкою: %2, не використано портів: %3 (порт відсутній або вказаний двічі)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 done, %2 failed, %3 ports not used (missing or given twice)</source>
        <translation>успішно: %1, з помилкою: %2, не використано портів: %3 (порти відсутні або вказані двічі)</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_run.cpp" line="+216"/>
        <source>Port given twice</source>
        <translation>Порт вказано двічі</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is given more than once</source>
        <translation>%1 вказано більше одного разу</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is the same port as %2</source>
        <translation>%1 — той самий порт, що й %2</translation>
    </message>
    <message>
        <location filename="../src/core/link/clone_protocol.cpp" line="+28"/>
        <source>block read at %1: %2</source>
        <translation>зчитування блока за адресою %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>block write at %1: %2</source>
        <translation>запис блока за адресою %1: %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the reply to block %1 is nothing but 0x06 bytes: something on the line answers 0x06 to everything, not a radio; check the programming cable or adapter</source>
        <translation>відповідь на блок %1 складається лише з байтів 0x06: на все відповідає 0x06 щось на лінії, але не радіостанція; перевірте кабель програмування або адаптер</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>one byte too many in the reply to block %1</source>
        <translation>у відповіді на блок %1 один зайвий байт</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 bytes too many in the reply to block %2</source>
        <translation>зайвих байтів у відповіді на блок %2: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the radio answered for block %1 when %2 was asked for</source>
        <translation>радіостанція відповіла для блока %1, а запитувався %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the reply to block %1 gives the length %2 instead of %3</source>
        <translation>у відповіді на блок %1 вказано довжину %2 замість %3</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>no acknowledgement from the radio</source>
        <translation>немає підтвердження від радіостанції</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the radio answered %1 instead of 0x06</source>
        <translation>радіостанція відповіла %1 замість 0x06</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the radio did not answer the wake-up %1 times (%2); the line echoes every byte the program sends back to it: check the programming cable or adapter</source>
        <translation>радіостанція не відповіла на сигнал пробудження, спроб: %1 (%2); лінія повертає програмі кожен надісланий нею байт: перевірте кабель програмування або адаптер</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the radio did not answer the wake-up %1 times (%2)</source>
        <translation>радіостанція не відповіла на сигнал пробудження, спроб: %1 (%2)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the radio did not confirm programming mode (%1)</source>
        <translation>радіостанція не підтвердила вхід у режим програмування (%1)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>block at %1: %2 of %3 reply bytes arrived</source>
        <translation>блок за адресою %1: отримано байтів відповіді: %2 з %3</translation>
    </message>
    <message>
        <location filename="../src/core/link/port_trace.cpp" line="+89"/>
        <source>cannot open the trace log %1</source>
        <translation>не вдається відкрити журнал трасування %1</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_posix.cpp" line="+38"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+28"/>
        <source>the port is closed</source>
        <translation>порт закрито</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the line hung up (cable or adapter disconnected?)</source>
        <translation>зв&apos;язок перервався (кабель або адаптер від&apos;єднано?)</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+88"/>
        <source>write failed: %1</source>
        <translation>помилка запису: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+1"/>
        <source>write timed out</source>
        <translation>вичерпано час очікування запису</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the line hung up</source>
        <translation>зв&apos;язок перервався</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>read failed: %1</source>
        <translation>помилка зчитування: %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>poll failed: %1</source>
        <translation>помилка опитування порту: %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="-86"/>
        <source>%1: not a serial port</source>
        <translation>%1: не послідовний порт</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+172"/>
        <source>%1: no such device</source>
        <translation>%1: пристрій не знайдено</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: permission denied (the user must be in the dialout group)</source>
        <translation>%1: доступ заборонено (користувач має входити до групи dialout)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: permission denied</source>
        <translation>%1: доступ заборонено</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+6"/>
        <source>%1: in use by another program</source>
        <translation>%1: використовується іншою програмою</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>&quot;%1&quot; is neither a port number 1-99 with a device nor a device path</source>
        <translation>«%1» — не номер порту 1-99, якому відповідає пристрій, і не шлях до пристрою</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>built-in serial port</source>
        <translation>вбудований послідовний порт</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_win32.cpp" line="-27"/>
        <source>&quot;%1&quot; is neither a port number 1-99 nor a device path</source>
        <translation>«%1» — не номер порту 1-99 і не шлях до пристрою</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_web.cpp" line="+53"/>
        <source>no serial port was chosen</source>
        <translation>послідовний порт не вибрано</translation>
    </message>
</context>
<context>
    <name>zem::Plan</name>
    <message>
        <location filename="../src/core/plan/plan_build.cpp" line="+81"/>
        <source>the radio keeps &quot;%1&quot;; &quot;%2&quot; was stored as &quot;%1&quot;</source>
        <translation>радіостанція зберігає «%1»; «%2» збережено як «%1»</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_reader.cpp" line="+63"/>
        <source>must be a single value</source>
        <translation>потрібне одне значення</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>must be a mapping of keys to values</source>
        <translation>потрібна відповідність ключів і значень</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown key</source>
        <translation>невідомий ключ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the key appears twice</source>
        <translation>ключ трапляється двічі</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+271"/>
        <source>the key %1 is missing</source>
        <translation>немає ключа %1</translation>
    </message>
    <message>
        <location line="-249"/>
        <source>must be one of %1</source>
        <translation>допустиме одне зі значень: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>must be a whole number from %1 to %2</source>
        <translation>потрібне ціле число від %1 до %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>must be a list of the 16 channels</source>
        <translation>потрібен список із 16 каналів</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the channel appears twice</source>
        <translation>канал трапляється двічі</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>channel %1 is missing</source>
        <translation>немає каналу %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>must be true or false</source>
        <translation>допустимо true або false</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>must be a list of 7 values from 0 to 255</source>
        <translation>потрібен список із 7 значень від 0 до 255</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>must be a mapping of addresses to bytes</source>
        <translation>потрібна відповідність адрес і байтів</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>not an address: hex text 0x000 to 0x3FF or a number 0 to 1023</source>
        <translation>не адреса: потрібне шістнадцяткове значення від 0x000 до 0x3FF або число від 0 до 1023</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>not a byte in hex (00 to FF)</source>
        <translation>не байт у шістнадцятковому вигляді (від 00 до FF)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>runs past the end of the image</source>
        <translation>виходить за кінець образу пам&apos;яті</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the byte is given twice</source>
        <translation>байт вказано двічі</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>not a plan text: it has no top-level key &quot;zem-plan: 1&quot;</source>
        <translation>не текст плану: у ньому немає ключа верхнього рівня «zem-plan: 1»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>this program reads version 1 of the plan text</source>
        <translation>ця програма читає текст плану версії 1</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>bytes: nothing given for %1; a new document&apos;s bytes were taken there</source>
        <translation>bytes: для %1 нічого не вказано; там узято байти нового документа</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bytes: the section is empty; the bytes no value above determines were taken from a new document</source>
        <translation>bytes: розділ порожній; байти, не задані жодним значенням вище, узято з нового документа</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bytes: the section is missing; the bytes no value above determines were taken from a new document</source>
        <translation>bytes: розділу немає; байти, не задані жодним значенням вище, узято з нового документа</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_unreadable.cpp" line="+16"/>
        <source>this build cannot read plan texts (it was made without yaml-cpp)</source>
        <translation>ця збірка не може читати тексти планів (її зібрано без yaml-cpp)</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_writer.cpp" line="+131"/>
        <source>line %1, column %2: %3</source>
        <translation>рядок %1, стовпець %2: %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1, column %2, %3: %4</source>
        <translation>рядок %1, стовпець %2, %3: %4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1, column %2, %3 &quot;%4&quot;: %5</source>
        <translation>рядок %1, стовпець %2, %3 «%4»: %5</translation>
    </message>
</context>
<context>
    <name>zem::Settings</name>
    <message>
        <location filename="../src/core/pages/option_values.cpp" line="-110"/>
        <source>The PTT ID you input are not correct,it will be changed to zero</source>
        <translation>Введений PTT ID неправильний, його буде замінено нулем.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The  PTT ID you input is too short,It will be suffixed with zero</source>
        <translation>Введений PTT ID закороткий, його буде доповнено нулями.</translation>
    </message>
    <message>
        <location filename="../src/core/pages/radio_settings.cpp" line="+109"/>
        <source>a PTT ID has at most 8 digits</source>
        <translation>PTT ID містить не більше 8 цифр</translation>
    </message>
</context>
<context>
    <name>zem::gui::CAboutDlg</name>
    <message>
        <location filename="../src/gui/app/about_dialog.cpp" line="+13"/>
        <source>About Zem Electronics Co., Ltd.</source>
        <translation>Про програму — Zem Electronics Co., Ltd.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Program icon</source>
        <translation>Значок програми</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zem  Communication Software-1.0</source>
        <translation>Програма зв&apos;язку Zem, версія 1.0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Programs the 16-channel handheld radio over its serial cable.
Copyright (C) Zem Electronics Co., Ltd.
All rights reserved.</source>
        <translation>Програмування 16-канальної портативної радіостанції через послідовний кабель.
Copyright (C) Zem Electronics Co., Ltd.
Усі права захищено.</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-59"/>
        <location filename="../src/gui/app/about_dialog.cpp" line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>zem::gui::CChannelPage</name>
    <message>
        <location filename="../src/core/channels/cell_keys.cpp" line="+13"/>
        <source>Please input Number</source>
        <translation>Введіть число</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_page.cpp" line="+45"/>
        <source>%1 of channel %2</source>
        <translation>%1, канал %2</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-12"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="+9"/>
        <source>Type Setting</source>
        <translation>Налаштування типу</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="+10"/>
        <location line="+126"/>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="-124"/>
        <source>Field</source>
        <translation>Діапазон</translation>
    </message>
    <message>
        <location line="-5"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="+50"/>
        <location line="+65"/>
        <source>Channel Setting</source>
        <translation>Налаштування каналів</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_page.cpp" line="-33"/>
        <source>The 16 channels of the radio. Click a cell to edit it, or start typing: frequencies in MHz (for example 145.5), tones and choices from the lists. Enter moves on to the next cell.</source>
        <translation>16 каналів радіостанції. Клацніть комірку, щоб змінити її, або просто почніть введення: частоти в МГц (наприклад, 145.5), тони та значення зі списків. Клавіша Enter переводить до наступної комірки.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio type.</source>
        <translation>Тип радіостанції.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency band of the radio; frequencies outside it are refused.</source>
        <translation>Діапазон частот радіостанції; частоти поза діапазоном не приймаються.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fills the channel table with demonstration channels of the band.</source>
        <translation>Заповнює таблицю каналів демонстраційними каналами діапазону.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Band</source>
        <translation>Діапазон</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Cut</source>
        <translation>Вирізання</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Delete</source>
        <translation>Видалення</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Paste</source>
        <translation>Вставлення</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKeyPage</name>
    <message>
        <location filename="../src/gui/pages/key_page.cpp" line="+42"/>
        <source>   Top Key</source>
        <translation>Верхня клавіша</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle Key</source>
        <translation>Середня клавіша</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key</source>
        <translation>Нижня клавіша</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Picture of the radio&apos;s programmable keys</source>
        <translation>Зображення програмованих клавіш радіостанції</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A handheld radio seen from the front. Red leader lines point to its three programmable keys: the top key on its top, the middle key high on its left side and the bottom key below it.</source>
        <translation>Портативна радіостанція, вигляд спереду. Червоні виноски вказують на три її програмовані клавіші: верхню — на верхній панелі, середню — у верхній частині лівої бічної сторони та нижню — під нею.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio&apos;s three programmable keys: top, middle (upper side) and bottom (lower side).</source>
        <translation>Три програмовані клавіші радіостанції: верхня, середня (вгорі збоку) та нижня (внизу збоку).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sets the three keys and the long-press duration back to the factory values.</source>
        <translation>Повертає заводські значення для трьох клавіш і тривалості довгого натискання.</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+2"/>
        <location filename="../src/gui/pages/key_page.cpp" line="+25"/>
        <source>Key assignment</source>
        <translation>Призначення клавіш</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKivuDoc</name>
    <message>
        <location filename="../src/core/session/document_session.cpp" line="+14"/>
        <source>a plan text</source>
        <translation>текст плану</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not read %1</source>
        <translation>Не вдалося прочитати %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The plan %1 was not opened:</source>
        <translation>План %1 не відкрито:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(%1 more)</source>
        <translation>(і ще %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The plan %1 was opened with these changes:</source>
        <translation>План %1 відкрито з такими змінами:</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKivuView</name>
    <message>
        <location filename="../src/gui/view/kivu_view.cpp" line="+76"/>
        <source>The three pages of the program: the channel table, the optional features and the key assignment.</source>
        <translation>Три сторінки програми: таблиця каналів, додаткові функції та призначення клавіш.</translation>
    </message>
</context>
<context>
    <name>zem::gui::COptionPage</name>
    <message>
        <location filename="../src/gui/pages/option_page.cpp" line="+43"/>
        <source>Sets every optional feature back to the factory values.</source>
        <translation>Повертає заводські значення всіх додаткових функцій.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Whisper  Function</source>
        <translation>Режим шепоту</translation>
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
        <translation>Параметри сканування</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Other Function</source>
        <translation>Інші функції</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-1"/>
        <location filename="../src/gui/pages/option_page.cpp" line="+66"/>
        <source>Optional features</source>
        <translation>Додаткові функції</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPasswordDlg</name>
    <message>
        <location line="+13"/>
        <location filename="../src/gui/service/password_dialog.cpp" line="+21"/>
        <source>Please input password</source>
        <translation>Введіть пароль</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPortDlg</name>
    <message>
        <location filename="../src/gui/link/port_dialog.cpp" line="+26"/>
        <source>Please enter an integer between 1 and 99.</source>
        <translation>Введіть ціле число від 1 до 99.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Please Choose serial ports</source>
        <translation>Виберіть послідовний порт</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please input the serial ports number,For example1,2,3and so on,The maximum is 99,If you have no idea,Please see Ports(COM and LPT) in Device Manager of Control Panel in Windows XP/9X</source>
        <translation>Введіть номер послідовного порту, наприклад 1, 2, 3 тощо. Максимальне значення — 99. Якщо номер невідомий, перегляньте розділ «Порти (COM і LPT)» у Диспетчері пристроїв (Панель керування Windows XP/9x).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Serial ports of this computer</source>
        <translation>Послідовні порти цього комп&apos;ютера</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Device</source>
        <translation>Пристрій</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Description</source>
        <translation>Опис</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPowerSetDlg</name>
    <message>
        <location filename="../src/web/page/texts.js" line="+9"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+20"/>
        <source>Default Setting</source>
        <translation>Заводські налаштування</translation>
    </message>
    <message>
        <location line="-35"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Read</source>
        <translation>Зчитати</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Write</source>
        <translation>Записати</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <location line="-8"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Zem Electronics Co., Ltd. On Line Power Setting</source>
        <translation>Zem Electronics Co., Ltd. — налаштування потужності онлайн</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+5"/>
        <source>The Frequency Range Setting</source>
        <translation>Налаштування діапазону частот</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+3"/>
        <source>The Maximum Frequency  (MHZ)</source>
        <translation>Максимальна частота (МГц)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>The Minimum Frequency (MHZ)</source>
        <translation>Мінімальна частота (МГц)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+14"/>
        <source>Frequency Range</source>
        <translation>Діапазон частот</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>Low Power Value</source>
        <translation>Значення низької потужності</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>High Power Value</source>
        <translation>Значення високої потужності</translation>
    </message>
</context>
<context>
    <name>zem::gui::CProgressDlg</name>
    <message>
        <location line="-10"/>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+15"/>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+1"/>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <location line="-2"/>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+13"/>
        <source>Progress:</source>
        <translation>Перебіг виконання:</translation>
    </message>
    <message>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+24"/>
        <source>Ready ......</source>
        <translation>Готово до роботи...</translation>
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
        <translation>%1, канал %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::ChannelGridModel</name>
    <message>
        <location filename="../src/gui/channels/channel_grid_model.cpp" line="+33"/>
        <source>channel %1, %2</source>
        <translation>канал %1, %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::CompareCommands</name>
    <message>
        <location filename="../src/gui/app/device_commands.cpp" line="+102"/>
        <source>Radio</source>
        <translation>Радіостанція</translation>
    </message>
</context>
<context>
    <name>zem::gui::CompareDialog</name>
    <message>
        <location filename="../src/gui/workbench/compare_commands.cpp" line="+26"/>
        <source>No differences: both hold the same data.</source>
        <translation>Відмінностей немає: дані збігаються.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Compare with %1</source>
        <translation>Порівняння з: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Where</source>
        <translation>Місце</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Document</source>
        <translation>Документ</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-41"/>
        <location filename="../src/gui/workbench/compare_commands.cpp" line="+1"/>
        <source>Differences</source>
        <translation>Відмінності</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/compare_commands.cpp" line="+8"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 difference(s) between the document and %2:</source>
        <translation>Відмінності між документом і «%2» (%1):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No differences on the pages: %1.</source>
        <translation>Немає відмінностей на сторінках: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
</context>
<context>
    <name>zem::gui::CsvCommands</name>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="-105"/>
        <source>The channel list was not imported; nothing has changed. These values were refused:</source>
        <translation>Список каналів не імпортовано, нічого не змінено. Такі значення не прийнято:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These values were refused. Import the other rows of the channel list and leave these rows out?</source>
        <translation>Такі значення не прийнято. Імпортувати решту рядків списку каналів, пропустивши ці рядки?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The channel list was imported. This radio does not store:</source>
        <translation>Список каналів імпортовано. Ця радіостанція не зберігає:</translation>
    </message>
    <message>
        <location line="+166"/>
        <source>Import CSV</source>
        <translation>Імпорт CSV</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Import memory list</source>
        <translation>Імпорт списку пам&apos;яті</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/csv_commands.cpp" line="+22"/>
        <source>Could not read %1</source>
        <translation>Не вдалося прочитати %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not write %1</source>
        <translation>Не вдалося записати %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>a channel list</source>
        <translation>список каналів</translation>
    </message>
</context>
<context>
    <name>zem::gui::DeviceCommands</name>
    <message>
        <location filename="../src/gui/app/device_commands.cpp" line="-31"/>
        <source>The read is complete, but it could not be kept in the radio history.
Folder: %1
Reason: %2</source>
        <translation>Зчитування завершено, але зберегти його в історії радіостанцій не вдалося.
Тека: %1
Причина: %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::DocumentFiles</name>
    <message>
        <location filename="../src/gui/app/document_files.cpp" line="+24"/>
        <source>Programing Data</source>
        <translation>Дані програмування</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Opened %1</source>
        <translation>Відкрито файл %1</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>The file %1 was changed by another program since you opened it. Overwrite it?</source>
        <translation>Файл %1 було змінено іншою програмою після його відкриття. Перезаписати його?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Saved %1</source>
        <translation>Збережено файл %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The file %1 was changed by another program. Reload it?</source>
        <translation>Файл %1 було змінено іншою програмою. Завантажити його знову?</translation>
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
        <translation>Триває зчитування або запис радіостанції.
Зупинити всі радіостанції на наступному блоці й вийти з програми?</translation>
    </message>
</context>
<context>
    <name>zem::gui::FleetDialog</name>
    <message>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+46"/>
        <source> (%1 failed)</source>
        <translation> (помилок: %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>; backup: %1; to put it back: put it on the cable again and write the backup to it (Open, then Write)</source>
        <translation>; резервна копія: %1; щоб відновити: знову під&apos;єднайте радіостанцію до кабелю та запишіть у неї резервну копію («Відкрити», потім «Записати»)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>; backup: %1; to put it back: Restore from backups</source>
        <translation>; резервна копія: %1; щоб відновити: «Відновити з резервних копій»</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The radios are still being written.
Stop every radio at its next block and close this window?</source>
        <translation>Запис у радіостанції ще триває.
Зупинити всі радіостанції на наступному блоці й закрити це вікно?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write to Several Radios</source>
        <translation>Запис у кілька радіостанцій</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Ports</source>
        <translation>Порти</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Port numbers or device paths</source>
        <translation>Номери портів або шляхи до пристроїв</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>For every radio</source>
        <translation>Для кожної радіостанції</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify</source>
        <translation>Перевірка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read each radio back and compare it with the plan</source>
        <translation>Повторно зчитати кожну радіостанцію та порівняти з планом</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup into</source>
        <translation>Резервна копія в</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First read each radio into a program file of its own in this folder</source>
        <translation>Спочатку зчитати кожну радіостанцію в окремий файл програми в цій теці</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Browse...</source>
        <translation>Огляд...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repeat: one cable, many radios</source>
        <translation>Повтор: один кабель, багато радіостанцій</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After each radio, wait until it is taken off and program the next one put on, until Stop</source>
        <translation>Після кожної радіостанції чекати, доки її від&apos;єднають, і програмувати наступну під&apos;єднану, до натискання «Стоп»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Radios</source>
        <translation>Радіостанції</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress</source>
        <translation>Перебіг виконання</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>State</source>
        <translation>Стан</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Count</source>
        <translation>Кількість</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save report...</source>
        <translation>Зберегти звіт...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore from backups</source>
        <translation>Відновити з резервних копій</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write each failed radio&apos;s own backup back into it</source>
        <translation>Записати в кожну радіостанцію з помилкою її власну резервну копію</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+1"/>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+2"/>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+35"/>
        <source>1 port added: %1</source>
        <translation>Додано 1 порт: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 ports added: %2</source>
        <translation>Додано портів — %1: %2</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Tick the ports of the radios to write.</source>
        <translation>Позначте порти радіостанцій для запису.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Choose the folder for the backups.</source>
        <translation>Виберіть теку для резервних копій.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the backups</source>
        <translation>резервні копії</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>Restore: %1</source>
        <translation>Відновлення: %1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The report &quot;%1&quot; exists already. Replace it?</source>
        <translation>Звіт «%1» уже існує. Замінити його?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>put it on the cable again and write the backup to it</source>
        <translation>знову під&apos;єднайте радіостанцію до кабелю та запишіть у неї резервну копію</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Restore from backups&quot; in the window, or zemtool fleet restore %1</source>
        <translation>«Відновити з резервних копій» у вікні або zemtool fleet restore %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save report</source>
        <translation>Зберегти звіт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV file (*.csv)</source>
        <translation>Файл CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The report goes to %1 when the run ends.</source>
        <translation>Після завершення роботи звіт буде збережено в %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Backup folder</source>
        <translation>Тека резервних копій</translation>
    </message>
</context>
<context>
    <name>zem::gui::HelpWindow</name>
    <message>
        <location filename="../src/gui/app/help_window.cpp" line="+33"/>
        <source>Zem Programming Software Help</source>
        <translation>Довідка програми Zem</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Contents</source>
        <translation>Зміст</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Help page</source>
        <translation>Сторінка довідки</translation>
    </message>
</context>
<context>
    <name>zem::gui::MainWindow</name>
    <message>
        <location filename="../src/gui/app/main_window.cpp" line="+46"/>
        <source>Zem Electronics Co., Ltd. Programing Software</source>
        <translation>Zem Electronics Co., Ltd. — програмування радіостанцій</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please press F1 for Help</source>
        <translation>Щоб отримати довідку, натисніть F1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a Object for help</source>
        <translation>Виберіть об&apos;єкт, щоб отримати довідку</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-28"/>
        <location filename="../src/gui/app/main_window.cpp" line="+1"/>
        <source>System</source>
        <translation>Системна</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window.cpp" line="+2"/>
        <source>The language changes when the program starts again.</source>
        <translation>Мова зміниться під час наступного запуску програми.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please directly double click inside the table</source>
        <translation>Двічі клацніть безпосередньо всередині таблиці</translation>
    </message>
    <message>
        <location line="+179"/>
        <source>Standard</source>
        <translation>Стандартна</translation>
    </message>
</context>
<context>
    <name>zem::gui::PowerSetCommand</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-7"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="+103"/>
        <location line="+38"/>
        <source>On Line Power Set</source>
        <translation>Налаштування потужності онлайн</translation>
    </message>
    <message>
        <location line="+78"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="-21"/>
        <source>Read the power values from the radio</source>
        <translation>Значення потужності зчитано з радіостанції</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="+25"/>
        <source>Written</source>
        <translation>Записано</translation>
    </message>
</context>
<context>
    <name>zem::gui::QtUserDialogs</name>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+15"/>
        <source>Program file(*.Zem)</source>
        <translation>Файл програми (*.Zem)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plan as text (*.yaml)</source>
        <translation>План у вигляді тексту (*.yaml)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Program file or plan (*.Zem *.zem *.yaml *.yml);;Program file(*.Zem *.zem);;</source>
        <translation>Файл програми або план (*.Zem *.zem *.yaml *.yml);;Файл програми (*.Zem *.zem);;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Channel list (%1);;All files (*)</source>
        <translation>Список каналів (%1);;Усі файли (*)</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-90"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+16"/>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+7"/>
        <source>Save As</source>
        <translation>Зберегти як</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+5"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+13"/>
        <source>Import channel list</source>
        <translation>Імпорт списку каналів</translation>
    </message>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+4"/>
        <source>Export CSV</source>
        <translation>Експорт у CSV</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+1"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+16"/>
        <source>Export channel list</source>
        <translation>Експорт списку каналів</translation>
    </message>
    <message>
        <location line="+74"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+14"/>
        <source>Save the changes to %1?</source>
        <translation>Зберегти зміни в %1?</translation>
    </message>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="-8"/>
        <source>Channel list of this program (*.csv)</source>
        <translation>Список каналів цієї програми (*.csv)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Memory list of other programming tools (*.csv)</source>
        <translation>Список пам&apos;яті інших програм для програмування (*.csv)</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioHistory</name>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+93"/>
        <source>it is not a folder</source>
        <translation>це не тека</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioHistoryDialog</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-66"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+64"/>
        <source>Radio history</source>
        <translation>Історія радіостанцій</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>Radios read</source>
        <translation>Зчитані радіостанції</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Band</source>
        <translation>Діапазон</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>First channel</source>
        <translation>Перший канал</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Taken by</source>
        <translation>Джерело</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+1"/>
        <source>Note</source>
        <translation>Примітка</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>&amp;Note...</source>
        <translation>&amp;Примітка...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>&amp;Видалити</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Could not save the note.</source>
        <translation>Не вдалося зберегти примітку.</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+38"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+18"/>
        <source>Compare</source>
        <translation>Порівняння</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Read</source>
        <translation>Зчитування</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>Every complete read from a radio, newest first (the newest %1 are kept).</source>
        <translation>Усі повні зчитування радіостанцій, спочатку нові (зберігаються останні %1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>No radio has been read yet.</source>
        <translation>Жодну радіостанцію ще не зчитано.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>Delete the read of %1 %2 from the radio history?</source>
        <translation>Видалити зчитування від %1 %2 з історії радіостанцій?</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+4"/>
        <source>Could not delete the read of %1 %2.</source>
        <translation>Не вдалося видалити зчитування від %1 %2.</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioPage</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-29"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+11"/>
        <source>Please click the CommBox to choose value</source>
        <translation>Клацніть розкривний список, щоб вибрати значення</translation>
    </message>
    <message>
        <location line="-1"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+1"/>
        <source>Please Click the cell to edit or input data</source>
        <translation>Клацніть комірку, щоб змінити або ввести дані</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+1"/>
        <source>For help，please press F1</source>
        <translation>Щоб отримати довідку, натисніть F1</translation>
    </message>
    <message>
        <location line="-44"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+10"/>
        <location line="+4"/>
        <source>Default Setting</source>
        <translation>Заводські налаштування</translation>
    </message>
</context>
<context>
    <name>zem::gui::RefusalListDialog</name>
    <message>
        <location filename="../src/gui/common/refusal_list_dialog.cpp" line="+43"/>
        <source>&amp;Copy</source>
        <translation>&amp;Копіювати</translation>
    </message>
</context>
<context>
    <name>zem::gui::TransferController</name>
    <message>
        <location filename="../src/gui/link/transfer_controller.cpp" line="+31"/>
        <source>the check was stopped</source>
        <translation>перевірку перервано</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Verifying Written Data</source>
        <translation>Перевірка записаних даних</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading the radio back to compare...</source>
        <translation>Повторне зчитування радіостанції для порівняння...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify</source>
        <translation>Перевірка</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Verifying written data</source>
        <translation>Перевірка записаних даних</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Read from radio</source>
        <translation>Зчитування з радіостанції</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Read from the radio</source>
        <translation>Дані зчитано з радіостанції</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio</source>
        <translation>Дані записано в радіостанцію</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio and verified</source>
        <translation>Дані записано в радіостанцію та перевірено</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio, but not checked: %1</source>
        <translation>Дані записано в радіостанцію, але не перевірено: %1</translation>
    </message>
</context>
<context>
    <name>zem::gui::UndoRouter</name>
    <message>
        <location filename="../src/gui/app/undo_router.cpp" line="+18"/>
        <source>Undo: %1</source>
        <translation>Скасування: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Redo: %1</source>
        <translation>Повтор: %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Undo</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Повторити</translation>
    </message>
</context>
<context>
    <name>zem::gui::WindowCommands</name>
    <message>
        <location filename="../src/gui/app/window_commands.cpp" line="+44"/>
        <source>New(&amp;N)	Ctrl+N</source>
        <translation>&amp;Створити	Ctrl+N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create a new document
New</source>
        <translation>Створення нового документа
Створити</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open(&amp;O)...	Ctrl+O</source>
        <translation>&amp;Відкрити...	Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open an existing document
Open</source>
        <translation>Відкриття наявного документа
Відкрити</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save(&amp;S)	Ctrl+S</source>
        <translation>&amp;Зберегти	Ctrl+S</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document
Save</source>
        <translation>Збереження активного документа
Зберегти</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save as(&amp;A)...</source>
        <translation>Зберегти &amp;як...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document with a new name
Save As</source>
        <translation>Збереження активного документа під новим іменем
Зберегти як</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Import channel list...</source>
        <translation>&amp;Імпорт списку каналів...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace the channels by those of a channel list: this program&apos;s CSV or the memory list of other programming tools
Import channel list</source>
        <translation>Заміна каналів каналами зі списку: CSV цієї програми або список пам&apos;яті інших програм для програмування
Імпорт списку каналів</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export channel list...</source>
        <translation>&amp;Експорт списку каналів...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the channels as this program&apos;s CSV or as the memory list of other programming tools
Export channel list</source>
        <translation>Збереження каналів у CSV цієї програми або як список пам&apos;яті інших програм для програмування
Експорт списку каналів</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Radio history...</source>
        <translation>Історія &amp;радіостанцій...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open one of the radios read before
Radio history</source>
        <translation>Відкриття однієї з раніше зчитаних радіостанцій
Історія радіостанцій</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print(&amp;P)...	Ctrl+P</source>
        <translation>&amp;Друк...	Ctrl+P</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print the active document
Print</source>
        <translation>Друк активного документа
Друк</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print Preview(&amp;V)</source>
        <translation>&amp;Попередній перегляд</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display full pages
Print Preview</source>
        <translation>Показ сторінок повністю
Попередній перегляд</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print Setup(&amp;S)...</source>
        <translation>&amp;Налаштування друку...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Вибір принтера та параметрів друку
Налаштування друку</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Recent File</source>
        <translation>Нещодавній файл</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+4"/>
        <location line="+4"/>
        <location line="+4"/>
        <source>Open this file</source>
        <translation>Відкрити цей файл</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit(&amp;X)</source>
        <translation>Ви&amp;хід</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Вихід із програми з пропозицією зберегти документи
Вихід</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Undo the last change
Undo</source>
        <translation>Скасування останньої зміни
Скасувати</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Redo the change undone last
Redo</source>
        <translation>Повтор останньої скасованої зміни
Повторити</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cut(&amp;T)	Ctrl+X</source>
        <translation>&amp;Вирізати	Ctrl+X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut the selected cells and put them on the Clipboard
Cut</source>
        <translation>Вирізання виділених комірок і розміщення їх у буфері обміну
Вирізати</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy(&amp;C)	Ctrl+C</source>
        <translation>&amp;Копіювати	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the selected cells to the Clipboard
Copy</source>
        <translation>Копіювання виділених комірок у буфер обміну
Копіювати</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paste(&amp;P)	Ctrl+V</source>
        <translation>Вст&amp;авити	Ctrl+V</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert the Clipboard contents at the selected cell
Paste</source>
        <translation>Вставлення вмісту буфера обміну у виділену комірку
Вставити</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete(&amp;D)	Del</source>
        <translation>Ви&amp;далити	Del</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Empty the selected cells
Delete</source>
        <translation>Очищення виділених комірок
Видалити</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Read From Radio(&amp;U)	Ctrl+R</source>
        <translation>&amp;Зчитати з радіостанції	Ctrl+R</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read Data From interphone 
Read</source>
        <translation>Зчитування даних з радіостанції
Зчитати</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Write to Radio	Ctrl+W</source>
        <translation>За&amp;писати в радіостанцію	Ctrl+W</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write Data to interphone
Write</source>
        <translation>Запис даних у радіостанцію
Записати</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Write to &amp;several radios...</source>
        <translation>Записати в &amp;кілька радіостанцій...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write this document into many radios, at once or one after another
Write to several radios</source>
        <translation>Запис цього документа в кілька радіостанцій, одночасно або по черзі
Записати в кілька радіостанцій</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Compare with radio...</source>
        <translation>Порівняти з &amp;радіостанцією...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the radio and list where it differs from the document; the document stays as it is
Compare with radio</source>
        <translation>Зчитування радіостанції та виведення відмінностей від документа; документ не змінюється
Порівняти з радіостанцією</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Compare with &amp;file...</source>
        <translation>Порівняти з &amp;файлом...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List where a program file differs from the document
Compare with file</source>
        <translation>Виведення відмінностей файлу програми від документа
Порівняти з файлом</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit Channel	Ctrl+G</source>
        <translation>Р&amp;едагувати канал	Ctrl+G</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit channel Data 
Edit</source>
        <translation>Редагування даних каналів
Редагувати</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>On Line Power Set(&amp;Y)	Ctrl+T</source>
        <translation>Налаштування по&amp;тужності онлайн	Ctrl+T</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Debug TX Power,Squelch Level,Low Power Alert on line</source>
        <translation>Налаштування потужності передавача, рівня шумоподавлення та сигналізації розряду батареї онлайн</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>COM1(&amp;P)	Ctrl+C</source>
        <translation>COM&amp;1	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com1</source>
        <translation>Вибрати COM1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM2(&amp;Q)	Ctrl+D</source>
        <translation>COM&amp;2	Ctrl+D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com2</source>
        <translation>Вибрати COM2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM3(&amp;S)	Ctrl+E</source>
        <translation>COM&amp;3	Ctrl+E</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com3</source>
        <translation>Вибрати COM3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM4(&amp;T	Ctrl+F</source>
        <translation>COM&amp;4	Ctrl+F</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com4</source>
        <translation>Вибрати COM4</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Other ....</source>
        <translation>&amp;Інший...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose other Com Port</source>
        <translation>Вибрати інший COM-порт</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Verify after write</source>
        <translation>&amp;Перевіряти після запису</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the radio back after a write and compare it with what was written
Verify</source>
        <translation>Повторне зчитування радіостанції після запису та порівняння із записаним
Перевірка</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Toolbar(&amp;T)</source>
        <translation>&amp;Панель інструментів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Показати або сховати панель інструментів
Панель інструментів</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Status Bar(&amp;S)</source>
        <translation>&amp;Рядок стану</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Показати або сховати рядок стану
Рядок стану</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Language(&amp;L)</source>
        <translation>&amp;Мова</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the language of the window
Language</source>
        <translation>Вибір мови вікна
Мова</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Help Content(&amp;H)</source>
        <translation>&amp;Зміст довідки</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About Me(&amp;A)...</source>
        <translation>&amp;Про програму...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display the version,copyright of this software 
 about</source>
        <translation>Відомості про версію програми та авторські права
Про програму</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help List</source>
        <translation>Зміст довідки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List the catalog of help 
Help List</source>
        <translation>Виведення змісту довідки
Зміст довідки</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-10"/>
        <location filename="../src/gui/app/window_commands.cpp" line="+3"/>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <location filename="../src/gui/app/window_commands.cpp" line="+1"/>
        <source>Show the help about current task
help</source>
        <translation>Довідка щодо поточного завдання
Довідка</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>What&apos;s This</source>
        <translation>Що це?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the context of help
help</source>
        <translation>Контекстна довідка
Довідка</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>File(&amp;F)</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit(&amp;E)</source>
        <translation>&amp;Редагування</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program(&amp;P)</source>
        <translation>&amp;Програмування</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup(&amp;S)</source>
        <translation>&amp;Налаштування</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View(&amp;V)</source>
        <translation>&amp;Вигляд</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help(&amp;H)</source>
        <translation>&amp;Довідка</translation>
    </message>
</context>
</TS>
