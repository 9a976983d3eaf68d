<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ChannelTable</name>
    <message>
        <location filename="../src/core/channels/band.cpp" line="+92"/>
        <source>Other...</source>
        <translation>Andere ...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Other....</source>
        <translation>Andere ...</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_commit.cpp" line="+72"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wide</source>
        <translation>Breit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Narrow</source>
        <translation>Schmal</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Carrier</source>
        <translation>Träger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DT/DQT</source>
        <translation>DT/DQT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_table.cpp" line="+10"/>
        <source>Ch</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Receive</source>
        <translation>Empfang</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transmit</source>
        <translation>Senden</translation>
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
        <translation>Suchlauf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>W/N</source>
        <translation>W/N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Busy</source>
        <translation>Belegtsperre</translation>
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
        <translation>Aus</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Monitor Momentary</source>
        <translation>Monitor (solange gedrückt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monitor </source>
        <translation>Monitor</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+15"/>
        <location filename="../src/core/pages/radio_settings.cpp" line="+198"/>
        <source>Scramble</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Alarm</source>
        <translation>Alarm</translation>
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
        <translation>Flüstern</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <location filename="../src/core/pages/radio_settings.cpp" line="+4"/>
        <source>Compand Expand</source>
        <translation>Kompander</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>Power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <location filename="../src/core/pages/radio_settings.cpp" line="-9"/>
        <source>Energy Check</source>
        <translation>Akkuprüfung</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <location filename="../src/core/pages/option_values.cpp" line="-49"/>
        <source>Scan Pause</source>
        <translation>Suchlaufpause</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Carrier</source>
        <translation>Träger</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tone</source>
        <translation>Signalton</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Detect</source>
        <translation>Erkennung</translation>
    </message>
    <message>
        <location filename="../src/core/pages/radio_settings.cpp" line="-83"/>
        <source>Scan information</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other Function</source>
        <translation>Weitere Funktionen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Whisper  Function</source>
        <translation>Flüstermodus</translation>
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
        <translation>Suchlaufmodus</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Carrier: scanning stops on a channel while a carrier is received.</source>
        <translation>Träger: Der Suchlauf hält auf einem Kanal an, solange ein Träger empfangen wird.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Receive recovery time (sec)</source>
        <translation>Wartezeit nach Empfang (s)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How long scanning waits on a channel after the signal has gone, in seconds.</source>
        <translation>Wie lange der Suchlauf nach dem Wegfall des Signals auf einem Kanal wartet, in Sekunden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transmission  recovery time (sec)</source>
        <translation>Wartezeit nach Senden (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How long scanning waits after you have transmitted, in seconds.</source>
        <translation>Wie lange der Suchlauf nach Ihrer eigenen Sendung wartet, in Sekunden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Radiate Time Out Timer(s)</source>
        <translation>Sendezeitbegrenzung (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ends a transmission that lasts longer than this; Off for no limit.</source>
        <translation>Beendet eine Sendung, die länger als diese Zeit dauert; Aus bedeutet keine Begrenzung.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Voice/Beep Tone</source>
        <translation>Sprachansage/Signalton</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>What the radio says or sounds when a key is pressed.</source>
        <translation>Was das Funkgerät bei einem Tastendruck ansagt oder als Ton ausgibt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Squelch Level</source>
        <translation>Rauschsperren-Pegel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How strong a signal must be to open the loudspeaker.</source>
        <translation>Wie stark ein Signal sein muss, damit der Lautsprecher eingeschaltet wird.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock Detect</source>
        <translation>Lock-Erkennung</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Whisper level</source>
        <translation>Flüsterpegel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whisper  </source>
        <translation>Flüstern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Microphone gain for speaking quietly, when the whisper function is on.</source>
        <translation>Mikrofonverstärkung für leises Sprechen, wenn der Flüstermodus eingeschaltet ist.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Whisper  Function Enable</source>
        <translation>Flüstermodus aktivieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>VOX level</source>
        <translation>VOX-Pegel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vox Function</source>
        <translation>VOX-Funktion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How loud you must speak to start transmitting, when VOX is on.</source>
        <translation>Wie laut Sie sprechen müssen, damit das Senden beginnt, wenn VOX eingeschaltet ist.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vox Function Enable</source>
        <translation>VOX aktivieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PTT ID Start</source>
        <translation>PTT ID am Anfang</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The PTT ID code sent when transmission starts: up to 8 digits.</source>
        <translation>Der PTT-ID-Code, der zu Beginn der Sendung gesendet wird: bis zu 8 Ziffern.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTT ID End</source>
        <translation>PTT ID am Ende</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The PTT ID code sent when transmission ends: up to 8 digits.</source>
        <translation>Der PTT-ID-Code, der am Ende der Sendung gesendet wird: bis zu 8 Ziffern.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PTT ID Start Enable</source>
        <translation>PTT ID am Anfang aktivieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Enable</source>
        <translation>Am Anfang aktivieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTT ID End Enable</source>
        <translation>PTT ID am Ende aktivieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End Enable</source>
        <translation>Am Ende aktivieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DTMF Speed  Digit/sec</source>
        <translation>DTMF-Geschwindigkeit (Ziffern/s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How fast the PTT ID digits are sent.</source>
        <translation>Wie schnell die PTT-ID-Ziffern gesendet werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First Digit Time(ms)</source>
        <translation>Dauer der ersten Ziffer (ms)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>First Digit Delay Time(ms)</source>
        <translation>Verzögerung der ersten Ziffer (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DTMF Side Tone</source>
        <translation>DTMF-Mithörton</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wired Clone Mode</source>
        <translation>Kabel-Klonmodus</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Alarm Function Enable</source>
        <translation>Alarmfunktion aktivieren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save Energy</source>
        <translation>Batteriesparmodus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The receiver sleeps between checks for a signal, to save the battery.</source>
        <translation>Der Empfänger schaltet sich zwischen den Prüfungen auf ein Signal ab, um den Akku zu schonen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Long Press</source>
        <translation>Langer Druck</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Short Press</source>
        <translation>Kurzer Druck</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   Top Key</source>
        <translation>Obere Taste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle Key</source>
        <translation>Mittlere Taste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key</source>
        <translation>Untere Taste</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Long Press Duration(s)</source>
        <translation>Dauer des langen Drucks (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top Key Long Press</source>
        <translation>Obere Taste, langer Druck</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Top Key Short Press</source>
        <translation>Obere Taste, kurzer Druck</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Middle Key Long Press</source>
        <translation>Mittlere Taste, langer Druck</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Middle Key Short Press</source>
        <translation>Mittlere Taste, kurzer Druck</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key Long Press</source>
        <translation>Untere Taste, langer Druck</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bottom Key Short Press</source>
        <translation>Untere Taste, kurzer Druck</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <location filename="../src/web/page/texts.js" line="+15"/>
        <source>Zem Programming Software</source>
        <translation>Zem-Programmiersoftware</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Share as link</source>
        <translation>Als Link teilen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify after write</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compare with radio</source>
        <translation>Mit Funkgerät vergleichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare with file</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Picture of the radio&apos;s programmable keys: a handheld radio seen from the front, with red leader lines to its top key, the middle key high on its left side and the bottom key below it.</source>
        <translation>Abbildung der programmierbaren Tasten des Funkgeräts: ein Handfunkgerät von vorn, mit roten Hinweislinien zur oberen Taste, zur mittleren Taste oben an der linken Seite und zur unteren Taste darunter.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channel listing for printing</source>
        <translation>Kanalliste zum Drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help pages</source>
        <translation>Hilfeseiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drop a program file (.Zem) to open it</source>
        <translation>Programmdatei (.Zem) hier ablegen, um sie zu öffnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This browser cannot reach a serial cable. To read or write the radio, open this page in Chrome or Edge (version 89 or later) on a desktop computer; files can be opened, edited and saved here.</source>
        <translation>Dieser Browser kann nicht auf ein serielles Kabel zugreifen. Um das Funkgerät auszulesen oder zu beschreiben, öffnen Sie diese Seite in Chrome oder Edge (Version 89 oder neuer) auf einem Desktop-Computer; Dateien können hier geöffnet, bearbeitet und gespeichert werden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This browser does not run WebAssembly, which the program&apos;s core needs, so nothing here can work. The page works in current Chrome, Edge, Firefox and Safari; reading and writing the radio needs Chrome or Edge (version 89 or later) on a desktop computer.</source>
        <translation>Dieser Browser unterstützt kein WebAssembly, das der Programmkern benötigt, daher funktioniert hier nichts. Die Seite funktioniert in aktuellen Versionen von Chrome, Edge, Firefox und Safari; zum Auslesen und Schreiben des Funkgeräts benötigen Sie Chrome oder Edge (Version 89 oder neuer) auf einem Desktop-Computer.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The program&apos;s core (zem.wasm, WebAssembly) could not be loaded, so nothing here can work: %1. The browser or the site&apos;s policy may block WebAssembly. The page works in current Chrome, Edge, Firefox and Safari; reading and writing the radio needs Chrome or Edge (version 89 or later) on a desktop computer.</source>
        <translation>Der Programmkern (zem.wasm, WebAssembly) konnte nicht geladen werden, daher funktioniert hier nichts: %1. Möglicherweise blockiert der Browser oder die Richtlinie der Website WebAssembly. Die Seite funktioniert in aktuellen Versionen von Chrome, Edge, Firefox und Safari; zum Auslesen und Schreiben des Funkgeräts benötigen Sie Chrome oder Edge (Version 89 oder neuer) auf einem Desktop-Computer.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was handed to the browser&apos;s downloads.
Did the file save?</source>
        <translation>%1 wurde an die Downloads des Browsers übergeben.
Wurde die Datei gespeichert?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program file</source>
        <translation>Programmdatei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program file or plan</source>
        <translation>Programmdatei oder Plan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The link to this plan was copied to the clipboard. Whoever opens it sees the plan, ready for Write.</source>
        <translation>Der Link zu diesem Plan wurde in die Zwischenablage kopiert. Wer ihn öffnet, sieht den Plan, bereit zum Schreiben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The browser did not let the page copy the link. Copy it from here:</source>
        <translation>Der Browser hat der Seite das Kopieren des Links nicht erlaubt. Kopieren Sie ihn von hier:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read %1 of %2 blocks</source>
        <translation>%1 von %2 Blöcken gelesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrote %1 of %2 blocks</source>
        <translation>%1 von %2 Blöcken geschrieben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Could not save the radio history.</source>
        <translation>Der Verlauf des Funkgeräts konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note of the read of %1 %2</source>
        <translation>Notiz zum Auslesen von %1 %2</translation>
    </message>
</context>
<context>
    <name>zem::Channels</name>
    <message>
        <location filename="../src/core/channels/band.cpp" line="-89"/>
        <source>You select other Type ,this will clear all data as new document,are you sure?</source>
        <translation>Wenn Sie einen anderen Typ wählen, werden alle Daten wie bei einem neuen Dokument gelöscht. Fortfahren?</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>outside %1-%2 MHz; this plan has no band chosen</source>
        <translation>außerhalb von %1-%2 MHz; in diesem Plan ist kein Band gewählt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>outside %1-%2 MHz; this plan is for band %3</source>
        <translation>außerhalb von %1-%2 MHz; dieser Plan ist für das Band %3</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_clipboard.cpp" line="+14"/>
        <source>These values were not pasted:</source>
        <translation>Diese Werte wurden nicht eingefügt:</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>channel %1, %2: &quot;%3&quot;: %4</source>
        <translation>Kanal %1, %2: „%3“: %4</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>%1 row did not fit below channel 16 and was not pasted</source>
        <translation>%1 Zeile passte nicht unter Kanal 16 und wurde nicht eingefügt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows did not fit below channel 16 and were not pasted</source>
        <translation>%1 Zeilen passten nicht unter Kanal 16 und wurden nicht eingefügt</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_commit.cpp" line="-62"/>
        <source>Error Data Format，Please input again</source>
        <translation>Ungültiges Datenformat. Bitte erneut eingeben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error data Value，Please input according the step value(6.25K/5k)</source>
        <translation>Ungültiger Wert. Bitte im Kanalraster eingeben (6,25 kHz/5 kHz).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not an entry of the tone list</source>
        <translation>kein Eintrag der Tonliste</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>must be one of %1</source>
        <translation>muss einer dieser Werte sein: %1</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>not a cell of the channel table</source>
        <translation>keine Zelle der Kanaltabelle</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_csv.cpp" line="+94"/>
        <source>line %1: text after a closing quote</source>
        <translation>Zeile %1: Text nach einem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>line %1: a quoted field is not closed</source>
        <translation>Zeile %1: ein Feld in Anführungszeichen wird nicht geschlossen</translation>
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
        <translation>Zeile %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, channel %2</source>
        <translation>%1, Kanal %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/channels/memory_list.cpp" line="+4"/>
        <source>%1, %2 &quot;%3&quot;</source>
        <translation>%1, %2 „%3“</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the column appears twice</source>
        <translation>die Spalte kommt zweimal vor</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>expected a header row with the column &quot;Ch&quot; and any of %1, separated by commas, semicolons or tabs; found &quot;%2&quot;</source>
        <translation>erwartet wurde eine Kopfzeile mit der Spalte „Ch“ und beliebigen Spalten aus %1, getrennt durch Kommas, Semikolons oder Tabulatoren; gefunden: „%2“</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>the text has no header row</source>
        <translation>der Text hat keine Kopfzeile</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the row has %1 fields, the header %2</source>
        <translation>die Zeile hat %1 Felder, die Kopfzeile %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>not a channel number from 1 to 16</source>
        <translation>keine Kanalnummer von 1 bis 16</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the channel has a row already</source>
        <translation>für den Kanal gibt es bereits eine Zeile</translation>
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
        <translation>die Datei hat keine Kopfzeile</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the header row has no %1 column</source>
        <translation>die Kopfzeile hat keine Spalte %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>not a whole number</source>
        <translation>keine ganze Zahl</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the Location appears twice</source>
        <translation>die Location kommt zweimal vor</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>no memory to import</source>
        <translation>kein Speicherplatz zum Importieren</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>must be High, Low or a wattage such as 5.0W</source>
        <translation>muss High, Low oder eine Leistung wie 5.0W sein</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Location %1 &quot;%2&quot;</source>
        <translation>Location %1 „%2“</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>names not stored: %1</source>
        <translation>Namen nicht gespeichert: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>column &quot;%1&quot; not stored: %2 row(s) hold a value there</source>
        <translation>Spalte „%1“ nicht gespeichert: %2 Zeile(n) enthalten dort einen Wert</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 row(s) past the sixteen taken: Location %2 not stored</source>
        <translation>%1 Zeile(n) nach den sechzehn übernommenen: Location %2 nicht gespeichert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 row(s) past the sixteen taken: Location %2 to %3 not stored</source>
        <translation>%1 Zeile(n) nach den sechzehn übernommenen: Location %2 bis %3 nicht gespeichert</translation>
    </message>
    <message>
        <location filename="../src/core/channels/memory_row.cpp" line="+91"/>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>not a CTCSS tone of the tone list</source>
        <translation>kein CTCSS-Ton der Tonliste</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>not a DCS code of the tone list</source>
        <translation>kein DCS-Code der Tonliste</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+33"/>
        <source>not a frequency in MHz</source>
        <translation>keine Frequenz in MHz</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>this radio stores only FM (Wide) and NFM (Narrow)</source>
        <translation>dieses Funkgerät speichert nur FM (Breit) und NFM (Schmal)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>must be S, P or empty</source>
        <translation>muss S, P oder leer sein</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the transmit frequency would be below zero</source>
        <translation>die Sendefrequenz wäre kleiner als null</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>transmit %1</source>
        <translation>Sendefrequenz %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>must be empty, +, -, split or off</source>
        <translation>muss leer, +, -, split oder off sein</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>must be two letters N or R, transmit then receive</source>
        <translation>müssen zwei Buchstaben N oder R sein, erst Senden, dann Empfang</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>not a cross mode this radio can hold</source>
        <translation>kein Cross-Modus, den dieses Funkgerät speichern kann</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>must be empty, Tone, TSQL, DTCS or Cross</source>
        <translation>muss leer, Tone, TSQL, DTCS oder Cross sein</translation>
    </message>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="+103"/>
        <source> — choose the band on the Channel Setting page</source>
        <translation> – wählen Sie das Band auf der Seite „Kanaleinstellung“</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>column &quot;%1&quot; is not a channel table column; ignored</source>
        <translation>Spalte „%1“ ist keine Spalte der Kanaltabelle; ignoriert</translation>
    </message>
</context>
<context>
    <name>zem::Compare</name>
    <message>
        <location filename="../src/core/compare/document_diff.cpp" line="+129"/>
        <source>byte %1</source>
        <translation>Byte %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bytes %1-%2</source>
        <translation>Bytes %1-%2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>channel %1 %2</source>
        <translation>Kanal %1 %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low Power Value %1</source>
        <translation>Wert für niedrige Leistung %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>High Power Value %1</source>
        <translation>Wert für hohe Leistung %1</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>%1 byte differs only in how the radio holds values that the pages show the same way</source>
        <translation>%1 Byte unterscheidet sich nur darin, wie das Funkgerät Werte speichert, die die Seiten gleich anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 bytes differ only in how the radio holds values that the pages show the same way</source>
        <translation>%1 Bytes unterscheiden sich nur darin, wie das Funkgerät Werte speichert, die die Seiten gleich anzeigen</translation>
    </message>
</context>
<context>
    <name>zem::File</name>
    <message>
        <location filename="../src/core/document/input_text.cpp" line="+14"/>
        <source>%1 is %2; %3 is at most %4</source>
        <translation>%1 ist %2 groß; %3 darf höchstens %4 groß sein</translation>
    </message>
    <message>
        <location line="+85"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+51"/>
        <source>more than %1</source>
        <translation>mehr als %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: read error</source>
        <translation>%1: Lesefehler</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is a folder, not %2</source>
        <translation>%1 ist ein Ordner und nicht %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1: cannot be opened for reading</source>
        <translation>%1: kann nicht zum Lesen geöffnet werden</translation>
    </message>
    <message>
        <location filename="../src/core/document/program_file.cpp" line="+301"/>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Die Datei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot open &quot;%1&quot;: it is a folder, not a program file.</source>
        <translation>„%1“ kann nicht geöffnet werden: Es ist ein Ordner, keine Programmdatei.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot open the file &quot;%1&quot;.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="-6"/>
        <source>Cannot read the file &quot;%1&quot;.</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+3"/>
        <source>The file &quot;%1&quot; is not a program file: it holds %2 bytes, a program file holds %3.</source>
        <translation>Die Datei „%1“ ist keine Programmdatei: Sie enthält %2 Byte, eine Programmdatei enthält %3.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot open the file &quot;%1&quot;: %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Cannot save the file &quot;%1&quot;: it is a folder.</source>
        <translation>Die Datei „%1“ kann nicht gespeichert werden: Es ist ein Ordner.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot save the file &quot;%1&quot;: it is read-only.</source>
        <translation>Die Datei „%1“ kann nicht gespeichert werden: Sie ist schreibgeschützt.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <translation>Die Datei „%1“ kann nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot save the file &quot;%1&quot;: %2</source>
        <translation>Die Datei „%1“ kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <location filename="../src/core/document/share_link.cpp" line="+12"/>
        <source>This link does not hold a whole plan: it may have been cut short or changed on its way. Nothing has changed.</source>
        <translation>Dieser Link enthält keinen vollständigen Plan: Er wurde unterwegs möglicherweise gekürzt oder verändert. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+11"/>
        <source>No folder given.</source>
        <translation>Kein Ordner angegeben.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot use the folder &quot;%1&quot;: %2.</source>
        <translation>Der Ordner „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cannot write into the folder &quot;%1&quot;.</source>
        <translation>In den Ordner „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot use the folder &quot;%1&quot;: %2</source>
        <translation>Der Ordner „%1“ kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Cannot create &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot find a free name for &quot;%1&quot;.</source>
        <translation>Für „%1“ wurde kein freier Name gefunden.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The report &quot;%1&quot; is a folder.</source>
        <translation>Der Bericht „%1“ ist ein Ordner.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The report &quot;%1&quot; exists already.</source>
        <translation>Der Bericht „%1“ existiert bereits.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot write the report &quot;%1&quot;.</source>
        <translation>Der Bericht „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot write the report &quot;%1&quot;: %2.</source>
        <translation>Der Bericht „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_report.cpp" line="+62"/>
        <source>The report is empty.</source>
        <translation>Der Bericht ist leer.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This is no fleet report: its first line has no port, result and backup columns.</source>
        <translation>Dies ist kein Bericht von „In mehrere Funkgeräte schreiben“: Seine erste Zeile hat keine Spalten „port“, „result“ und „backup“.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The report has several radios on %1 (one cable, many radios): put each one on the cable again and write its backup with zemtool write.</source>
        <translation>Der Bericht enthält mehrere Funkgeräte an %1 (ein Kabel, viele Funkgeräte): Schließen Sie jedes wieder an das Kabel an und schreiben Sie seine Sicherung mit zemtool write hinein.</translation>
    </message>
</context>
<context>
    <name>zem::Link</name>
    <message>
        <location filename="../src/core/compare/verify_mismatch.cpp" line="+32"/>
        <source>The radio does not hold what was written. First difference: %1.
The program has kept its data: write again, or check the radio and the cable.</source>
        <translation>Das Funkgerät enthält nicht, was geschrieben wurde. Erster Unterschied: %1.
Das Programm hat seine Daten behalten: Schreiben Sie erneut, oder prüfen Sie Funkgerät und Kabel.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The radio does not hold what was written. First difference: %1 is %2 in the radio, %3 in the program.
The program has kept its data: write again, or check the radio and the cable.</source>
        <translation>Das Funkgerät enthält nicht, was geschrieben wurde. Erster Unterschied: %1 ist im Funkgerät %2, im Programm %3.
Das Programm hat seine Daten behalten: Schreiben Sie erneut, oder prüfen Sie Funkgerät und Kabel.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The radio does not hold what was written. First difference: %1.</source>
        <translation>Das Funkgerät enthält nicht, was geschrieben wurde. Erster Unterschied: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The radio does not hold what was written. First difference: %1 is %2 in the radio, %3 in the program.</source>
        <translation>Das Funkgerät enthält nicht, was geschrieben wurde. Erster Unterschied: %1 ist im Funkgerät %2, im Programm %3.</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/radio_job.cpp" line="+18"/>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>backing up</source>
        <translation>sichert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>writing</source>
        <translation>schreibt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verifying</source>
        <translation>prüft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the radio is unchanged</source>
        <translation>das Funkgerät ist unverändert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the radio holds a partial write (%1 of %2 blocks)</source>
        <translation>das Funkgerät ist nur teilweise beschrieben (%1 von %2 Blöcken)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the radio holds the whole write, not checked</source>
        <translation>das Funkgerät ist vollständig beschrieben, nicht geprüft</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the radio holds a write that differs from the plan</source>
        <translation>das Funkgerät enthält geschriebene Daten, die vom Plan abweichen</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>cancelled during verify, after the whole write</source>
        <translation>beim Prüfen abgebrochen, nach dem vollständigen Schreiben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled at block %1 of %2</source>
        <translation>bei Block %1 von %2 abgebrochen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled before the first block was written</source>
        <translation>abgebrochen, bevor der erste Block geschrieben wurde</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>no backup, so nothing was written</source>
        <translation>keine Sicherung, daher wurde nichts geschrieben</translation>
    </message>
    <message>
        <location filename="../src/core/link/link_messages.cpp" line="+7"/>
        <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
        <translation>Der Anschluss konnte nicht geöffnet werden. Bitte prüfen Sie, ob der Anschluss belegt ist und das Gerät funktioniert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now are detecting communication port,Please wait...</source>
        <translation>Kommunikationsanschluss wird gesucht, bitte warten ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Waiting the response from radio...</source>
        <translation>Warten auf Antwort vom Funkgerät ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Communication error ,Please check all the connections and the radio power</source>
        <translation>Kommunikationsfehler. Bitte prüfen Sie alle Verbindungen und die Stromversorgung des Funkgeräts.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not received enough byte</source>
        <translation>Zu wenige Bytes empfangen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program interruput,please reset the radio and try again</source>
        <translation>Programmierung unterbrochen. Bitte setzen Sie das Funkgerät zurück und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Program interruput,please reset the radio and try again</source>
        <translation> Programmierung unterbrochen. Bitte setzen Sie das Funkgerät zurück und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading Data Progress</source>
        <translation>Daten werden gelesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing Data Progress</source>
        <translation>Daten werden geschrieben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ready ......</source>
        <translation>Bereit ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio took the whole write, but reading it back to check it failed: %1</source>
        <translation>Das Funkgerät hat alle Daten übernommen, aber das Zurücklesen zur Prüfung ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The write was stopped before the end: the radio now holds part of this program and part of what it held before. Write it again before using the radio.</source>
        <translation>Das Schreiben wurde vor dem Ende abgebrochen: Das Funkgerät enthält jetzt teils dieses Programm, teils seine vorherigen Daten. Schreiben Sie es erneut, bevor Sie das Funkgerät benutzen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the line failed: %1</source>
        <translation>die Leitung ist ausgefallen: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the radio did not answer</source>
        <translation>das Funkgerät hat nicht geantwortet</translation>
    </message>
    <message>
        <location filename="../src/core/service/access_code.cpp" line="+7"/>
        <source>Not the correct password</source>
        <translation>Falsches Passwort</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+80"/>
        <source>%1: plan: %2, radio: %3</source>
        <translation>%1: Plan: %2, Funkgerät: %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>block %1 (%2-%3) differs</source>
        <translation>Block %1 (%2-%3) weicht ab</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>block %1 (%2-%3) differs: %4</source>
        <translation>Block %1 (%2-%3) weicht ab: %4</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_report.cpp" line="-37"/>
        <source>%1 done, %2 failed</source>
        <translation>%1 fertig, %2 fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 done, %2 failed, %3 port not used (missing or given twice)</source>
        <translation>%1 fertig, %2 fehlgeschlagen, %3 Anschluss nicht verwendet (fehlt oder doppelt angegeben)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 done, %2 failed, %3 ports not used (missing or given twice)</source>
        <translation>%1 fertig, %2 fehlgeschlagen, %3 Anschlüsse nicht verwendet (fehlen oder doppelt angegeben)</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_run.cpp" line="+216"/>
        <source>Port given twice</source>
        <translation>Anschluss doppelt angegeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is given more than once</source>
        <translation>%1 ist mehrfach angegeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is the same port as %2</source>
        <translation>%1 ist derselbe Anschluss wie %2</translation>
    </message>
    <message>
        <location filename="../src/core/link/clone_protocol.cpp" line="+28"/>
        <source>block read at %1: %2</source>
        <translation>Lesen des Blocks bei %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>block write at %1: %2</source>
        <translation>Schreiben des Blocks bei %1: %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the reply to block %1 is nothing but 0x06 bytes: something on the line answers 0x06 to everything, not a radio; check the programming cable or adapter</source>
        <translation>die Antwort auf Block %1 besteht nur aus 0x06-Bytes: Etwas auf der Leitung antwortet auf alles mit 0x06, das ist kein Funkgerät; prüfen Sie das Programmierkabel oder den Adapter</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>one byte too many in the reply to block %1</source>
        <translation>ein Byte zu viel in der Antwort auf Block %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 bytes too many in the reply to block %2</source>
        <translation>%1 Bytes zu viel in der Antwort auf Block %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the radio answered for block %1 when %2 was asked for</source>
        <translation>das Funkgerät hat für Block %1 geantwortet, angefordert war %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the reply to block %1 gives the length %2 instead of %3</source>
        <translation>die Antwort auf Block %1 nennt die Länge %2 statt %3</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>no acknowledgement from the radio</source>
        <translation>keine Bestätigung vom Funkgerät</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the radio answered %1 instead of 0x06</source>
        <translation>das Funkgerät hat %1 statt 0x06 geantwortet</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the radio did not answer the wake-up %1 times (%2); the line echoes every byte the program sends back to it: check the programming cable or adapter</source>
        <translation>das Funkgerät hat auf %1 Weckversuche nicht geantwortet (%2); die Leitung schickt jedes vom Programm gesendete Byte als Echo zurück: prüfen Sie das Programmierkabel oder den Adapter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the radio did not answer the wake-up %1 times (%2)</source>
        <translation>das Funkgerät hat auf %1 Weckversuche nicht geantwortet (%2)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the radio did not confirm programming mode (%1)</source>
        <translation>das Funkgerät hat den Programmiermodus nicht bestätigt (%1)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>block at %1: %2 of %3 reply bytes arrived</source>
        <translation>Block bei %1: %2 von %3 Antwortbytes angekommen</translation>
    </message>
    <message>
        <location filename="../src/core/link/port_trace.cpp" line="+89"/>
        <source>cannot open the trace log %1</source>
        <translation>das Mitschnittprotokoll %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_posix.cpp" line="+38"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+28"/>
        <source>the port is closed</source>
        <translation>der Anschluss ist geschlossen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the line hung up (cable or adapter disconnected?)</source>
        <translation>die Leitung wurde getrennt (Kabel oder Adapter abgezogen?)</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+88"/>
        <source>write failed: %1</source>
        <translation>Schreiben fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+1"/>
        <source>write timed out</source>
        <translation>Zeitüberschreitung beim Schreiben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the line hung up</source>
        <translation>die Leitung wurde getrennt</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>read failed: %1</source>
        <translation>Lesen fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>poll failed: %1</source>
        <translation>Abfrage des Anschlusses fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="-86"/>
        <source>%1: not a serial port</source>
        <translation>%1: keine serielle Schnittstelle</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+172"/>
        <source>%1: no such device</source>
        <translation>%1: Gerät nicht vorhanden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: permission denied (the user must be in the dialout group)</source>
        <translation>%1: Zugriff verweigert (der Benutzer muss Mitglied der Gruppe dialout sein)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: permission denied</source>
        <translation>%1: Zugriff verweigert</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+6"/>
        <source>%1: in use by another program</source>
        <translation>%1: von einem anderen Programm belegt</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>&quot;%1&quot; is neither a port number 1-99 with a device nor a device path</source>
        <translation>„%1“ ist weder eine Anschlussnummer 1-99 mit zugehörigem Gerät noch ein Gerätepfad</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>built-in serial port</source>
        <translation>eingebaute serielle Schnittstelle</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_win32.cpp" line="-27"/>
        <source>&quot;%1&quot; is neither a port number 1-99 nor a device path</source>
        <translation>„%1“ ist weder eine Anschlussnummer 1-99 noch ein Gerätepfad</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_web.cpp" line="+53"/>
        <source>no serial port was chosen</source>
        <translation>keine serielle Schnittstelle gewählt</translation>
    </message>
</context>
<context>
    <name>zem::Plan</name>
    <message>
        <location filename="../src/core/plan/plan_build.cpp" line="+81"/>
        <source>the radio keeps &quot;%1&quot;; &quot;%2&quot; was stored as &quot;%1&quot;</source>
        <translation>das Funkgerät behält „%1“ bei; „%2“ wurde als „%1“ gespeichert</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_reader.cpp" line="+63"/>
        <source>must be a single value</source>
        <translation>muss ein einzelner Wert sein</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>must be a mapping of keys to values</source>
        <translation>muss eine Zuordnung von Schlüsseln zu Werten sein</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown key</source>
        <translation>unbekannter Schlüssel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the key appears twice</source>
        <translation>der Schlüssel kommt zweimal vor</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+271"/>
        <source>the key %1 is missing</source>
        <translation>der Schlüssel %1 fehlt</translation>
    </message>
    <message>
        <location line="-249"/>
        <source>must be one of %1</source>
        <translation>muss einer dieser Werte sein: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>must be a whole number from %1 to %2</source>
        <translation>muss eine ganze Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>must be a list of the 16 channels</source>
        <translation>muss eine Liste der 16 Kanäle sein</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the channel appears twice</source>
        <translation>der Kanal kommt zweimal vor</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>channel %1 is missing</source>
        <translation>Kanal %1 fehlt</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>must be true or false</source>
        <translation>muss true oder false sein</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>must be a list of 7 values from 0 to 255</source>
        <translation>muss eine Liste von 7 Werten von 0 bis 255 sein</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>must be a mapping of addresses to bytes</source>
        <translation>muss eine Zuordnung von Adressen zu Bytes sein</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>not an address: hex text 0x000 to 0x3FF or a number 0 to 1023</source>
        <translation>keine Adresse: Hexadezimalwert 0x000 bis 0x3FF oder eine Zahl von 0 bis 1023</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>not a byte in hex (00 to FF)</source>
        <translation>kein Byte in Hexadezimalschreibweise (00 bis FF)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>runs past the end of the image</source>
        <translation>reicht über das Ende des Speicherabbilds hinaus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the byte is given twice</source>
        <translation>das Byte ist zweimal angegeben</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>not a plan text: it has no top-level key &quot;zem-plan: 1&quot;</source>
        <translation>kein Plantext: Es fehlt der Schlüssel „zem-plan: 1“ auf oberster Ebene</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>this program reads version 1 of the plan text</source>
        <translation>dieses Programm liest Version 1 des Plantexts</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>bytes: nothing given for %1; a new document&apos;s bytes were taken there</source>
        <translation>bytes: für %1 nichts angegeben; dort wurden die Bytes eines neuen Dokuments übernommen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bytes: the section is empty; the bytes no value above determines were taken from a new document</source>
        <translation>bytes: der Abschnitt ist leer; die Bytes, die kein Wert weiter oben festlegt, wurden aus einem neuen Dokument übernommen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bytes: the section is missing; the bytes no value above determines were taken from a new document</source>
        <translation>bytes: der Abschnitt fehlt; die Bytes, die kein Wert weiter oben festlegt, wurden aus einem neuen Dokument übernommen</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_unreadable.cpp" line="+16"/>
        <source>this build cannot read plan texts (it was made without yaml-cpp)</source>
        <translation>diese Programmversion kann keine Plantexte lesen (sie wurde ohne yaml-cpp erstellt)</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_writer.cpp" line="+131"/>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1, column %2, %3: %4</source>
        <translation>Zeile %1, Spalte %2, %3: %4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1, column %2, %3 &quot;%4&quot;: %5</source>
        <translation>Zeile %1, Spalte %2, %3 „%4“: %5</translation>
    </message>
</context>
<context>
    <name>zem::Settings</name>
    <message>
        <location filename="../src/core/pages/option_values.cpp" line="-110"/>
        <source>The PTT ID you input are not correct,it will be changed to zero</source>
        <translation>Die eingegebene PTT ID ist ungültig, sie wird auf null gesetzt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The  PTT ID you input is too short,It will be suffixed with zero</source>
        <translation>Die eingegebene PTT ID ist zu kurz, sie wird mit Nullen aufgefüllt.</translation>
    </message>
    <message>
        <location filename="../src/core/pages/radio_settings.cpp" line="+109"/>
        <source>a PTT ID has at most 8 digits</source>
        <translation>eine PTT ID hat höchstens 8 Ziffern</translation>
    </message>
</context>
<context>
    <name>zem::gui::CAboutDlg</name>
    <message>
        <location filename="../src/gui/app/about_dialog.cpp" line="+13"/>
        <source>About Zem Electronics Co., Ltd.</source>
        <translation>Über Zem Electronics Co., Ltd.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zem  Communication Software-1.0</source>
        <translation>Zem Kommunikationssoftware 1.0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Programs the 16-channel handheld radio over its serial cable.
Copyright (C) Zem Electronics Co., Ltd.
All rights reserved.</source>
        <translation>Programmiert das 16-Kanal-Handfunkgerät über sein serielles Kabel.
Copyright (C) Zem Electronics Co., Ltd.
Alle Rechte vorbehalten.</translation>
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
        <translation>Bitte geben Sie eine Zahl ein</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_page.cpp" line="+45"/>
        <source>%1 of channel %2</source>
        <translation>%1 von Kanal %2</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-12"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="+9"/>
        <source>Type Setting</source>
        <translation>Typeinstellung</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="+10"/>
        <location line="+126"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="-124"/>
        <source>Field</source>
        <translation>Band</translation>
    </message>
    <message>
        <location line="-5"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="+50"/>
        <location line="+65"/>
        <source>Channel Setting</source>
        <translation>Kanaleinstellung</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_page.cpp" line="-33"/>
        <source>The 16 channels of the radio. Click a cell to edit it, or start typing: frequencies in MHz (for example 145.5), tones and choices from the lists. Enter moves on to the next cell.</source>
        <translation>Die 16 Kanäle des Funkgeräts. Klicken Sie auf eine Zelle, um sie zu bearbeiten, oder beginnen Sie einfach zu tippen: Frequenzen in MHz (zum Beispiel 145.5), Töne und Auswahlwerte aus den Listen. Die Eingabetaste springt zur nächsten Zelle.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio type.</source>
        <translation>Der Typ des Funkgeräts.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency band of the radio; frequencies outside it are refused.</source>
        <translation>Das Frequenzband des Funkgeräts; Frequenzen außerhalb davon werden abgelehnt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fills the channel table with demonstration channels of the band.</source>
        <translation>Füllt die Kanaltabelle mit Beispielkanälen des Bandes.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKeyPage</name>
    <message>
        <location filename="../src/gui/pages/key_page.cpp" line="+42"/>
        <source>   Top Key</source>
        <translation>Obere Taste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle Key</source>
        <translation>Mittlere Taste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key</source>
        <translation>Untere Taste</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Picture of the radio&apos;s programmable keys</source>
        <translation>Bild der programmierbaren Tasten des Funkgeräts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A handheld radio seen from the front. Red leader lines point to its three programmable keys: the top key on its top, the middle key high on its left side and the bottom key below it.</source>
        <translation>Ein Handfunkgerät von vorn. Rote Hinweislinien zeigen auf seine drei programmierbaren Tasten: die obere Taste auf der Oberseite, die mittlere Taste oben an der linken Seite und die untere Taste darunter.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio&apos;s three programmable keys: top, middle (upper side) and bottom (lower side).</source>
        <translation>Die drei programmierbaren Tasten des Funkgeräts: oben, Mitte (obere Seite) und unten (untere Seite).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sets the three keys and the long-press duration back to the factory values.</source>
        <translation>Setzt die drei Tasten und die Dauer des langen Drucks auf die Werkseinstellungen zurück.</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+2"/>
        <location filename="../src/gui/pages/key_page.cpp" line="+25"/>
        <source>Key assignment</source>
        <translation>Tastenbelegung</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKivuDoc</name>
    <message>
        <location filename="../src/core/session/document_session.cpp" line="+14"/>
        <source>a plan text</source>
        <translation>ein Plantext</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not read %1</source>
        <translation>%1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The plan %1 was not opened:</source>
        <translation>Der Plan %1 wurde nicht geöffnet:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(%1 more)</source>
        <translation>(%1 weitere)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The plan %1 was opened with these changes:</source>
        <translation>Der Plan %1 wurde mit diesen Änderungen geöffnet:</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKivuView</name>
    <message>
        <location filename="../src/gui/view/kivu_view.cpp" line="+76"/>
        <source>The three pages of the program: the channel table, the optional features and the key assignment.</source>
        <translation>Die drei Seiten des Programms: die Kanaltabelle, die Zusatzfunktionen und die Tastenbelegung.</translation>
    </message>
</context>
<context>
    <name>zem::gui::COptionPage</name>
    <message>
        <location filename="../src/gui/pages/option_page.cpp" line="+43"/>
        <source>Sets every optional feature back to the factory values.</source>
        <translation>Setzt alle Zusatzfunktionen auf die Werkseinstellungen zurück.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Whisper  Function</source>
        <translation>Flüstermodus</translation>
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
        <translation>Suchlauf</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Other Function</source>
        <translation>Weitere Funktionen</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-1"/>
        <location filename="../src/gui/pages/option_page.cpp" line="+66"/>
        <source>Optional features</source>
        <translation>Zusatzfunktionen</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPasswordDlg</name>
    <message>
        <location line="+13"/>
        <location filename="../src/gui/service/password_dialog.cpp" line="+21"/>
        <source>Please input password</source>
        <translation>Bitte geben Sie das Passwort ein</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPortDlg</name>
    <message>
        <location filename="../src/gui/link/port_dialog.cpp" line="+26"/>
        <source>Please enter an integer between 1 and 99.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen 1 und 99 ein.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Please Choose serial ports</source>
        <translation>Bitte wählen Sie die serielle Schnittstelle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please input the serial ports number,For example1,2,3and so on,The maximum is 99,If you have no idea,Please see Ports(COM and LPT) in Device Manager of Control Panel in Windows XP/9X</source>
        <translation>Bitte geben Sie die Nummer der seriellen Schnittstelle ein, zum Beispiel 1, 2, 3 usw. Der Höchstwert ist 99. Wenn Sie die Nummer nicht kennen, sehen Sie unter Windows XP/9x in der Systemsteuerung im Geräte-Manager unter „Anschlüsse (COM und LPT)“ nach.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Serial ports of this computer</source>
        <translation>Serielle Schnittstellen dieses Computers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPowerSetDlg</name>
    <message>
        <location filename="../src/web/page/texts.js" line="+9"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+20"/>
        <source>Default Setting</source>
        <translation>Werkseinstellung</translation>
    </message>
    <message>
        <location line="-35"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="-8"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Zem Electronics Co., Ltd. On Line Power Setting</source>
        <translation>Zem Electronics Co., Ltd. – Online-Leistungseinstellung</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+5"/>
        <source>The Frequency Range Setting</source>
        <translation>Einstellung des Frequenzbereichs</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+3"/>
        <source>The Maximum Frequency  (MHZ)</source>
        <translation>Höchste Frequenz (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>The Minimum Frequency (MHZ)</source>
        <translation>Niedrigste Frequenz (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+14"/>
        <source>Frequency Range</source>
        <translation>Frequenzbereich</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>Low Power Value</source>
        <translation>Wert für niedrige Leistung</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>High Power Value</source>
        <translation>Wert für hohe Leistung</translation>
    </message>
</context>
<context>
    <name>zem::gui::CProgressDlg</name>
    <message>
        <location line="-10"/>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+15"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="-2"/>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+13"/>
        <source>Progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+24"/>
        <source>Ready ......</source>
        <translation>Bereit ...</translation>
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
        <translation>%1, Kanal %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::ChannelGridModel</name>
    <message>
        <location filename="../src/gui/channels/channel_grid_model.cpp" line="+33"/>
        <source>channel %1, %2</source>
        <translation>Kanal %1, %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::CompareCommands</name>
    <message>
        <location filename="../src/gui/app/device_commands.cpp" line="+102"/>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
</context>
<context>
    <name>zem::gui::CompareDialog</name>
    <message>
        <location filename="../src/gui/workbench/compare_commands.cpp" line="+26"/>
        <source>No differences: both hold the same data.</source>
        <translation>Keine Unterschiede: Beide enthalten dieselben Daten.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Compare with %1</source>
        <translation>Vergleich mit %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Where</source>
        <translation>Stelle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-41"/>
        <location filename="../src/gui/workbench/compare_commands.cpp" line="+1"/>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/compare_commands.cpp" line="+8"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 difference(s) between the document and %2:</source>
        <translation>%1 Unterschied(e) zwischen dem Dokument und %2:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No differences on the pages: %1.</source>
        <translation>Keine Unterschiede auf den Seiten: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>zem::gui::CsvCommands</name>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="-105"/>
        <source>The channel list was not imported; nothing has changed. These values were refused:</source>
        <translation>Die Kanalliste wurde nicht importiert; nichts wurde geändert. Diese Werte wurden abgelehnt:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These values were refused. Import the other rows of the channel list and leave these rows out?</source>
        <translation>Diese Werte wurden abgelehnt. Die übrigen Zeilen der Kanalliste importieren und diese Zeilen auslassen?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The channel list was imported. This radio does not store:</source>
        <translation>Die Kanalliste wurde importiert. Dieses Funkgerät speichert nicht:</translation>
    </message>
    <message>
        <location line="+166"/>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Import memory list</source>
        <translation>Speicherliste importieren</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/csv_commands.cpp" line="+22"/>
        <source>Could not read %1</source>
        <translation>%1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>a channel list</source>
        <translation>eine Kanalliste</translation>
    </message>
</context>
<context>
    <name>zem::gui::DeviceCommands</name>
    <message>
        <location filename="../src/gui/app/device_commands.cpp" line="-31"/>
        <source>The read is complete, but it could not be kept in the radio history.
Folder: %1
Reason: %2</source>
        <translation>Das Auslesen ist abgeschlossen, konnte aber nicht im Funkgeräte-Verlauf gespeichert werden.
Ordner: %1
Grund: %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::DocumentFiles</name>
    <message>
        <location filename="../src/gui/app/document_files.cpp" line="+24"/>
        <source>Programing Data</source>
        <translation>Programmierdaten</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>The file %1 was changed by another program since you opened it. Overwrite it?</source>
        <translation>Die Datei %1 wurde seit dem Öffnen von einem anderen Programm geändert. Überschreiben?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The file %1 was changed by another program. Reload it?</source>
        <translation>Die Datei %1 wurde von einem anderen Programm geändert. Neu laden?</translation>
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
        <translation>Ein Funkgerät wird noch gelesen oder beschrieben.
Alle Funkgeräte beim nächsten Block anhalten und das Programm beenden?</translation>
    </message>
</context>
<context>
    <name>zem::gui::FleetDialog</name>
    <message>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+46"/>
        <source> (%1 failed)</source>
        <translation> (%1 fehlgeschlagen)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>; backup: %1; to put it back: put it on the cable again and write the backup to it (Open, then Write)</source>
        <translation>; Sicherung: %1; zum Zurückspielen: das Gerät wieder an das Kabel anschließen und die Sicherung hineinschreiben (Öffnen, dann Schreiben)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>; backup: %1; to put it back: Restore from backups</source>
        <translation>; Sicherung: %1; zum Zurückspielen: Aus Sicherungen wiederherstellen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The radios are still being written.
Stop every radio at its next block and close this window?</source>
        <translation>Die Funkgeräte werden noch beschrieben.
Alle Funkgeräte beim nächsten Block anhalten und dieses Fenster schließen?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write to Several Radios</source>
        <translation>In mehrere Funkgeräte schreiben</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Ports</source>
        <translation>Anschlüsse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Port numbers or device paths</source>
        <translation>Anschlussnummern oder Gerätepfade</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>For every radio</source>
        <translation>Für jedes Funkgerät</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read each radio back and compare it with the plan</source>
        <translation>Jedes Funkgerät zurücklesen und mit dem Plan vergleichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup into</source>
        <translation>Sichern nach</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First read each radio into a program file of its own in this folder</source>
        <translation>Jedes Funkgerät zuerst in eine eigene Programmdatei in diesem Ordner auslesen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repeat: one cable, many radios</source>
        <translation>Wiederholen: ein Kabel, viele Funkgeräte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After each radio, wait until it is taken off and program the next one put on, until Stop</source>
        <translation>Nach jedem Funkgerät warten, bis es abgenommen wird, und das nächste angeschlossene programmieren, bis Stopp</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Radios</source>
        <translation>Funkgeräte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save report...</source>
        <translation>Bericht speichern...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore from backups</source>
        <translation>Aus Sicherungen wiederherstellen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write each failed radio&apos;s own backup back into it</source>
        <translation>Die eigene Sicherung jedes fehlgeschlagenen Funkgeräts wieder hineinschreiben</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+1"/>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+2"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+35"/>
        <source>1 port added: %1</source>
        <translation>1 Anschluss hinzugefügt: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 ports added: %2</source>
        <translation>%1 Anschlüsse hinzugefügt: %2</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Tick the ports of the radios to write.</source>
        <translation>Markieren Sie die Anschlüsse der Funkgeräte, die beschrieben werden sollen.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Choose the folder for the backups.</source>
        <translation>Wählen Sie den Ordner für die Sicherungen.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the backups</source>
        <translation>die Sicherungen</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>Restore: %1</source>
        <translation>Wiederherstellen: %1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The report &quot;%1&quot; exists already. Replace it?</source>
        <translation>Der Bericht „%1“ existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>put it on the cable again and write the backup to it</source>
        <translation>das Gerät wieder an das Kabel anschließen und die Sicherung hineinschreiben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Restore from backups&quot; in the window, or zemtool fleet restore %1</source>
        <translation>„Aus Sicherungen wiederherstellen“ im Fenster oder zemtool fleet restore %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The report goes to %1 when the run ends.</source>
        <translation>Der Bericht wird nach Ende des Durchlaufs in %1 gespeichert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Backup folder</source>
        <translation>Sicherungsordner</translation>
    </message>
</context>
<context>
    <name>zem::gui::HelpWindow</name>
    <message>
        <location filename="../src/gui/app/help_window.cpp" line="+33"/>
        <source>Zem Programming Software Help</source>
        <translation>Hilfe zur Zem-Programmiersoftware</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
</context>
<context>
    <name>zem::gui::MainWindow</name>
    <message>
        <location filename="../src/gui/app/main_window.cpp" line="+46"/>
        <source>Zem Electronics Co., Ltd. Programing Software</source>
        <translation>Zem Electronics Co., Ltd. Programmiersoftware</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please press F1 for Help</source>
        <translation>Drücken Sie F1 für die Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a Object for help</source>
        <translation>Wählen Sie ein Objekt für die Hilfe</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-28"/>
        <location filename="../src/gui/app/main_window.cpp" line="+1"/>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window.cpp" line="+2"/>
        <source>The language changes when the program starts again.</source>
        <translation>Die Sprache ändert sich beim nächsten Start des Programms.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please directly double click inside the table</source>
        <translation>Bitte doppelklicken Sie direkt in die Tabelle</translation>
    </message>
    <message>
        <location line="+179"/>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>zem::gui::PowerSetCommand</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-7"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="+103"/>
        <location line="+38"/>
        <source>On Line Power Set</source>
        <translation>Online-Leistungseinstellung</translation>
    </message>
    <message>
        <location line="+78"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="-21"/>
        <source>Read the power values from the radio</source>
        <translation>Leistungswerte aus dem Funkgerät gelesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="+25"/>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
</context>
<context>
    <name>zem::gui::QtUserDialogs</name>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+15"/>
        <source>Program file(*.Zem)</source>
        <translation>Programmdatei (*.Zem)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plan as text (*.yaml)</source>
        <translation>Plan als Text (*.yaml)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Program file or plan (*.Zem *.zem *.yaml *.yml);;Program file(*.Zem *.zem);;</source>
        <translation>Programmdatei oder Plan (*.Zem *.zem *.yaml *.yml);;Programmdatei (*.Zem *.zem);;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Channel list (%1);;All files (*)</source>
        <translation>Kanalliste (%1);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-90"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+16"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+7"/>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+5"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+13"/>
        <source>Import channel list</source>
        <translation>Kanalliste importieren</translation>
    </message>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+4"/>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+1"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+16"/>
        <source>Export channel list</source>
        <translation>Kanalliste exportieren</translation>
    </message>
    <message>
        <location line="+74"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+14"/>
        <source>Save the changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="-8"/>
        <source>Channel list of this program (*.csv)</source>
        <translation>Kanalliste dieses Programms (*.csv)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Memory list of other programming tools (*.csv)</source>
        <translation>Speicherliste anderer Programmiersoftware (*.csv)</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioHistory</name>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+93"/>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioHistoryDialog</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-66"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+64"/>
        <source>Radio history</source>
        <translation>Funkgeräte-Verlauf</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>Radios read</source>
        <translation>Ausgelesene Funkgeräte</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>First channel</source>
        <translation>Erster Kanal</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Taken by</source>
        <translation>Erfasst durch</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+1"/>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>&amp;Note...</source>
        <translation>&amp;Notiz...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Could not save the note.</source>
        <translation>Die Notiz konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+38"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+18"/>
        <source>Compare</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Read</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>Every complete read from a radio, newest first (the newest %1 are kept).</source>
        <translation>Jedes vollständige Auslesen eines Funkgeräts, neueste zuerst (die neuesten %1 werden aufbewahrt).</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>No radio has been read yet.</source>
        <translation>Es wurde noch kein Funkgerät ausgelesen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>Delete the read of %1 %2 from the radio history?</source>
        <translation>Das Auslesen vom %1 %2 aus dem Funkgeräte-Verlauf löschen?</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+4"/>
        <source>Could not delete the read of %1 %2.</source>
        <translation>Das Auslesen vom %1 %2 konnte nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioPage</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-29"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+11"/>
        <source>Please click the CommBox to choose value</source>
        <translation>Bitte klicken Sie auf das Auswahlfeld, um einen Wert zu wählen</translation>
    </message>
    <message>
        <location line="-1"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+1"/>
        <source>Please Click the cell to edit or input data</source>
        <translation>Bitte klicken Sie auf die Zelle, um Daten zu bearbeiten oder einzugeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+1"/>
        <source>For help，please press F1</source>
        <translation>Für Hilfe drücken Sie bitte F1</translation>
    </message>
    <message>
        <location line="-44"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+10"/>
        <location line="+4"/>
        <source>Default Setting</source>
        <translation>Werkseinstellung</translation>
    </message>
</context>
<context>
    <name>zem::gui::RefusalListDialog</name>
    <message>
        <location filename="../src/gui/common/refusal_list_dialog.cpp" line="+43"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>zem::gui::TransferController</name>
    <message>
        <location filename="../src/gui/link/transfer_controller.cpp" line="+31"/>
        <source>the check was stopped</source>
        <translation>die Prüfung wurde abgebrochen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Verifying Written Data</source>
        <translation>Geschriebene Daten werden geprüft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading the radio back to compare...</source>
        <translation>Funkgerät wird zum Vergleich zurückgelesen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Verifying written data</source>
        <translation>Geschriebene Daten werden geprüft</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Read from radio</source>
        <translation>Auslesen des Funkgeräts</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Read from the radio</source>
        <translation>Aus dem Funkgerät gelesen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio</source>
        <translation>In das Funkgerät geschrieben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio and verified</source>
        <translation>In das Funkgerät geschrieben und geprüft</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio, but not checked: %1</source>
        <translation>In das Funkgerät geschrieben, aber nicht geprüft: %1</translation>
    </message>
</context>
<context>
    <name>zem::gui::UndoRouter</name>
    <message>
        <location filename="../src/gui/app/undo_router.cpp" line="+18"/>
        <source>Undo: %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Redo: %1</source>
        <translation>Wiederherstellen: %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>zem::gui::WindowCommands</name>
    <message>
        <location filename="../src/gui/app/window_commands.cpp" line="+44"/>
        <source>New(&amp;N)	Ctrl+N</source>
        <translation>&amp;Neu	Ctrl+N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create a new document
New</source>
        <translation>Ein neues Dokument erstellen
Neu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open(&amp;O)...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open an existing document
Open</source>
        <translation>Ein vorhandenes Dokument öffnen
Öffnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save(&amp;S)	Ctrl+S</source>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document
Save</source>
        <translation>Das aktive Dokument speichern
Speichern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save as(&amp;A)...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document with a new name
Save As</source>
        <translation>Das aktive Dokument unter einem neuen Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Import channel list...</source>
        <translation>Kanalliste &amp;importieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace the channels by those of a channel list: this program&apos;s CSV or the memory list of other programming tools
Import channel list</source>
        <translation>Die Kanäle durch die einer Kanalliste ersetzen: die CSV-Datei dieses Programms oder die Speicherliste anderer Programmiersoftware
Kanalliste importieren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export channel list...</source>
        <translation>Kanalliste e&amp;xportieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the channels as this program&apos;s CSV or as the memory list of other programming tools
Export channel list</source>
        <translation>Die Kanäle als CSV-Datei dieses Programms oder als Speicherliste anderer Programmiersoftware speichern
Kanalliste exportieren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Radio history...</source>
        <translation>Funkgeräte-&amp;Verlauf...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open one of the radios read before
Radio history</source>
        <translation>Eines der früher ausgelesenen Funkgeräte öffnen
Funkgeräte-Verlauf</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print(&amp;P)...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print the active document
Print</source>
        <translation>Das aktive Dokument drucken
Drucken</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print Preview(&amp;V)</source>
        <translation>Seiten&amp;ansicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display full pages
Print Preview</source>
        <translation>Ganze Seiten anzeigen
Seitenansicht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print Setup(&amp;S)...</source>
        <translation>Druck&amp;einrichtung...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Drucker und Druckoptionen ändern
Druckeinrichtung</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+4"/>
        <location line="+4"/>
        <location line="+4"/>
        <source>Open this file</source>
        <translation>Diese Datei öffnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit(&amp;X)</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Die Anwendung beenden; fragt nach dem Speichern der Dokumente
Beenden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Undo the last change
Undo</source>
        <translation>Die letzte Änderung rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Redo the change undone last
Redo</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederherstellen
Wiederherstellen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cut(&amp;T)	Ctrl+X</source>
        <translation>&amp;Ausschneiden	Ctrl+X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut the selected cells and put them on the Clipboard
Cut</source>
        <translation>Die markierten Zellen ausschneiden und in die Zwischenablage legen
Ausschneiden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy(&amp;C)	Ctrl+C</source>
        <translation>&amp;Kopieren	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the selected cells to the Clipboard
Copy</source>
        <translation>Die markierten Zellen in die Zwischenablage kopieren
Kopieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paste(&amp;P)	Ctrl+V</source>
        <translation>&amp;Einfügen	Ctrl+V</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert the Clipboard contents at the selected cell
Paste</source>
        <translation>Den Inhalt der Zwischenablage an der markierten Zelle einfügen
Einfügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete(&amp;D)	Del</source>
        <translation>&amp;Löschen	Del</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Empty the selected cells
Delete</source>
        <translation>Die markierten Zellen leeren
Löschen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Read From Radio(&amp;U)	Ctrl+R</source>
        <translation>Funkgerät &amp;auslesen	Ctrl+R</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read Data From interphone 
Read</source>
        <translation>Daten aus dem Funkgerät lesen
Lesen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Write to Radio	Ctrl+W</source>
        <translation>In Funkgerät &amp;schreiben	Ctrl+W</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write Data to interphone
Write</source>
        <translation>Daten in das Funkgerät schreiben
Schreiben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Write to &amp;several radios...</source>
        <translation>In &amp;mehrere Funkgeräte schreiben...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write this document into many radios, at once or one after another
Write to several radios</source>
        <translation>Dieses Dokument in viele Funkgeräte schreiben, gleichzeitig oder nacheinander
In mehrere Funkgeräte schreiben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Compare with radio...</source>
        <translation>Mit Funkgerät &amp;vergleichen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the radio and list where it differs from the document; the document stays as it is
Compare with radio</source>
        <translation>Das Funkgerät auslesen und die Abweichungen vom Dokument auflisten; das Dokument bleibt unverändert
Mit Funkgerät vergleichen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Compare with &amp;file...</source>
        <translation>Mit &amp;Datei vergleichen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List where a program file differs from the document
Compare with file</source>
        <translation>Die Abweichungen einer Programmdatei vom Dokument auflisten
Mit Datei vergleichen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit Channel	Ctrl+G</source>
        <translation>&amp;Kanal bearbeiten	Ctrl+G</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit channel Data 
Edit</source>
        <translation>Kanaldaten bearbeiten
Bearbeiten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>On Line Power Set(&amp;Y)	Ctrl+T</source>
        <translation>&amp;Online-Leistungseinstellung	Ctrl+T</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Debug TX Power,Squelch Level,Low Power Alert on line</source>
        <translation>Sendeleistung, Rauschsperren-Pegel und Unterspannungswarnung online einstellen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>COM1(&amp;P)	Ctrl+C</source>
        <translation>COM&amp;1	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com1</source>
        <translation>COM1 wählen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM2(&amp;Q)	Ctrl+D</source>
        <translation>COM&amp;2	Ctrl+D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com2</source>
        <translation>COM2 wählen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM3(&amp;S)	Ctrl+E</source>
        <translation>COM&amp;3	Ctrl+E</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com3</source>
        <translation>COM3 wählen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM4(&amp;T	Ctrl+F</source>
        <translation>COM&amp;4	Ctrl+F</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com4</source>
        <translation>COM4 wählen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Other ....</source>
        <translation>&amp;Andere ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose other Com Port</source>
        <translation>Andere COM-Schnittstelle wählen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Verify after write</source>
        <translation>Nach dem Schreiben &amp;prüfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the radio back after a write and compare it with what was written
Verify</source>
        <translation>Das Funkgerät nach dem Schreiben zurücklesen und mit dem Geschriebenen vergleichen
Prüfen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Toolbar(&amp;T)</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Symbolleiste ein- oder ausblenden
Symbolleiste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Status Bar(&amp;S)</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Statusleiste ein- oder ausblenden
Statusleiste</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Language(&amp;L)</source>
        <translation>Spr&amp;ache</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the language of the window
Language</source>
        <translation>Die Sprache des Fensters wählen
Sprache</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Help Content(&amp;H)</source>
        <translation>&amp;Hilfeinhalt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About Me(&amp;A)...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display the version,copyright of this software 
 about</source>
        <translation>Version und Copyright dieser Software anzeigen
Über</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help List</source>
        <translation>Hilfeverzeichnis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List the catalog of help 
Help List</source>
        <translation>Das Verzeichnis der Hilfe anzeigen
Hilfeverzeichnis</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-10"/>
        <location filename="../src/gui/app/window_commands.cpp" line="+3"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../src/gui/app/window_commands.cpp" line="+1"/>
        <source>Show the help about current task
help</source>
        <translation>Hilfe zur aktuellen Aufgabe anzeigen
Hilfe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>What&apos;s This</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the context of help
help</source>
        <translation>Kontexthilfe anzeigen
Hilfe</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>File(&amp;F)</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit(&amp;E)</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program(&amp;P)</source>
        <translation>&amp;Programmieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup(&amp;S)</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View(&amp;V)</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help(&amp;H)</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
</TS>
