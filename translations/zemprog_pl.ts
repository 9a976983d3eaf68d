<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ChannelTable</name>
    <message>
        <location filename="../src/core/channels/band.cpp" line="+92"/>
        <source>Other...</source>
        <translation>Inny...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Other....</source>
        <translation>Inny...</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_commit.cpp" line="+72"/>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High</source>
        <translation>Wysoka</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>Niska</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wide</source>
        <translation>Szeroki</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Narrow</source>
        <translation>Wąski</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Carrier</source>
        <translation>Nośna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DT/DQT</source>
        <translation>DT/DQT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_table.cpp" line="+10"/>
        <source>Ch</source>
        <translation>Kan.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Receive</source>
        <translation>Odbiór</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transmit</source>
        <translation>Nadawanie</translation>
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
        <translation>Skanowanie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power</source>
        <translation>Moc</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>W/N</source>
        <translation>W/N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Busy</source>
        <translation>Blok. zajęt.</translation>
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
        <translation>Wyłączone</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Monitor Momentary</source>
        <translation>Monitor (podczas przytrzymania)</translation>
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
        <translation>Skrambler</translation>
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
        <translation>Szept</translation>
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
        <translation>Moc</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <location filename="../src/core/pages/radio_settings.cpp" line="-9"/>
        <source>Energy Check</source>
        <translation>Kontrola baterii</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <location filename="../src/core/pages/option_values.cpp" line="-49"/>
        <source>Scan Pause</source>
        <translation>Pauza skanowania</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Carrier</source>
        <translation>Nośna</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tone</source>
        <translation>Sygnał dźwiękowy</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Chinese</source>
        <translation>Chiński</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Detect</source>
        <translation>Wykrywanie</translation>
    </message>
    <message>
        <location filename="../src/core/pages/radio_settings.cpp" line="-83"/>
        <source>Scan information</source>
        <translation>Skanowanie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other Function</source>
        <translation>Inne funkcje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Whisper  Function</source>
        <translation>Tryb szeptu</translation>
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
        <translation>Tryb skanowania</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Carrier: scanning stops on a channel while a carrier is received.</source>
        <translation>Nośna: skanowanie zatrzymuje się na kanale, dopóki odbierana jest nośna.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Receive recovery time (sec)</source>
        <translation>Czas powrotu po odbiorze (s)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How long scanning waits on a channel after the signal has gone, in seconds.</source>
        <translation>Jak długo skanowanie czeka na kanale po zaniku sygnału, w sekundach.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transmission  recovery time (sec)</source>
        <translation>Czas powrotu po nadawaniu (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How long scanning waits after you have transmitted, in seconds.</source>
        <translation>Jak długo skanowanie czeka po zakończeniu własnego nadawania, w sekundach.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Radiate Time Out Timer(s)</source>
        <translation>Ogranicznik czasu nadawania (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ends a transmission that lasts longer than this; Off for no limit.</source>
        <translation>Przerywa nadawanie trwające dłużej niż ustawiony czas; Wyłączone oznacza brak ograniczenia.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Voice/Beep Tone</source>
        <translation>Komunikat głosowy/sygnał dźwiękowy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>What the radio says or sounds when a key is pressed.</source>
        <translation>Komunikat głosowy lub sygnał dźwiękowy radiotelefonu po naciśnięciu przycisku.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Squelch Level</source>
        <translation>Poziom blokady szumów</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How strong a signal must be to open the loudspeaker.</source>
        <translation>Jak silny musi być sygnał, aby włączył się głośnik.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock Detect</source>
        <translation>Wykrywanie blokady</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Whisper level</source>
        <translation>Poziom szeptu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whisper  </source>
        <translation>Szept</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Microphone gain for speaking quietly, when the whisper function is on.</source>
        <translation>Wzmocnienie mikrofonu przy cichym mówieniu, gdy tryb szeptu jest włączony.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Whisper  Function Enable</source>
        <translation>Włącz tryb szeptu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>VOX level</source>
        <translation>Poziom VOX</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vox Function</source>
        <translation>Funkcja VOX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How loud you must speak to start transmitting, when VOX is on.</source>
        <translation>Jak głośno trzeba mówić, aby rozpoczęło się nadawanie, gdy VOX jest włączony.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vox Function Enable</source>
        <translation>Włącz VOX</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PTT ID Start</source>
        <translation>PTT ID na początku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The PTT ID code sent when transmission starts: up to 8 digits.</source>
        <translation>Kod PTT ID wysyłany na początku nadawania: do 8 cyfr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTT ID End</source>
        <translation>PTT ID na końcu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The PTT ID code sent when transmission ends: up to 8 digits.</source>
        <translation>Kod PTT ID wysyłany na końcu nadawania: do 8 cyfr.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PTT ID Start Enable</source>
        <translation>Włącz PTT ID na początku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Enable</source>
        <translation>Włącz na początku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTT ID End Enable</source>
        <translation>Włącz PTT ID na końcu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End Enable</source>
        <translation>Włącz na końcu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DTMF Speed  Digit/sec</source>
        <translation>Szybkość DTMF (cyfr/s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How fast the PTT ID digits are sent.</source>
        <translation>Szybkość wysyłania cyfr PTT ID.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First Digit Time(ms)</source>
        <translation>Czas pierwszej cyfry (ms)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>First Digit Delay Time(ms)</source>
        <translation>Opóźnienie pierwszej cyfry (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DTMF Side Tone</source>
        <translation>Ton kontrolny DTMF</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wired Clone Mode</source>
        <translation>Klonowanie przewodowe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Alarm Function Enable</source>
        <translation>Włącz funkcję alarmu</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save Energy</source>
        <translation>Oszczędzanie baterii</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The receiver sleeps between checks for a signal, to save the battery.</source>
        <translation>Odbiornik przechodzi w stan uśpienia między sprawdzeniami obecności sygnału, aby oszczędzać baterię.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Long Press</source>
        <translation>Długie naciśnięcie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Short Press</source>
        <translation>Krótkie naciśnięcie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   Top Key</source>
        <translation>Przycisk górny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle Key</source>
        <translation>Przycisk środkowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key</source>
        <translation>Przycisk dolny</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Long Press Duration(s)</source>
        <translation>Czas długiego naciśnięcia (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top Key Long Press</source>
        <translation>Długie naciśnięcie przycisku górnego</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Top Key Short Press</source>
        <translation>Krótkie naciśnięcie przycisku górnego</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Middle Key Long Press</source>
        <translation>Długie naciśnięcie przycisku środkowego</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Middle Key Short Press</source>
        <translation>Krótkie naciśnięcie przycisku środkowego</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key Long Press</source>
        <translation>Długie naciśnięcie przycisku dolnego</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bottom Key Short Press</source>
        <translation>Krótkie naciśnięcie przycisku dolnego</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <location filename="../src/web/page/texts.js" line="+15"/>
        <source>Zem Programming Software</source>
        <translation>Oprogramowanie do programowania Zem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Commands</source>
        <translation>Polecenia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Share as link</source>
        <translation>Udostępnij jako link</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify after write</source>
        <translation>Weryfikuj po zapisie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compare with radio</source>
        <translation>Porównaj z radiotelefonem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare with file</source>
        <translation>Porównaj z plikiem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Picture of the radio&apos;s programmable keys: a handheld radio seen from the front, with red leader lines to its top key, the middle key high on its left side and the bottom key below it.</source>
        <translation>Ilustracja programowalnych przycisków radiotelefonu: radiotelefon ręczny widziany z przodu, z czerwonymi liniami odniesienia do górnego przycisku, środkowego przycisku w górnej części lewego boku i dolnego przycisku poniżej.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channel listing for printing</source>
        <translation>Lista kanałów do wydruku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help pages</source>
        <translation>Strony pomocy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drop a program file (.Zem) to open it</source>
        <translation>Upuść tutaj plik programu (.Zem), aby go otworzyć</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Retry</source>
        <translation>Ponów próbę</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This browser cannot reach a serial cable. To read or write the radio, open this page in Chrome or Edge (version 89 or later) on a desktop computer; files can be opened, edited and saved here.</source>
        <translation>Ta przeglądarka nie ma dostępu do kabla szeregowego. Aby odczytać lub zapisać radiotelefon, należy otworzyć tę stronę w przeglądarce Chrome lub Edge (wersja 89 lub nowsza) na komputerze stacjonarnym; tutaj można otwierać, edytować i zapisywać pliki.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This browser does not run WebAssembly, which the program&apos;s core needs, so nothing here can work. The page works in current Chrome, Edge, Firefox and Safari; reading and writing the radio needs Chrome or Edge (version 89 or later) on a desktop computer.</source>
        <translation>Ta przeglądarka nie obsługuje WebAssembly, którego wymaga rdzeń programu, więc nic tutaj nie będzie działać. Strona działa w aktualnych wersjach Chrome, Edge, Firefox i Safari; do odczytu i zapisu radiotelefonu potrzebna jest przeglądarka Chrome lub Edge (wersja 89 lub nowsza) na komputerze stacjonarnym.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The program&apos;s core (zem.wasm, WebAssembly) could not be loaded, so nothing here can work: %1. The browser or the site&apos;s policy may block WebAssembly. The page works in current Chrome, Edge, Firefox and Safari; reading and writing the radio needs Chrome or Edge (version 89 or later) on a desktop computer.</source>
        <translation>Nie można załadować rdzenia programu (zem.wasm, WebAssembly), więc nic tutaj nie będzie działać: %1. Przeglądarka lub zasady witryny mogą blokować WebAssembly. Strona działa w aktualnych wersjach Chrome, Edge, Firefox i Safari; do odczytu i zapisu radiotelefonu potrzebna jest przeglądarka Chrome lub Edge (wersja 89 lub nowsza) na komputerze stacjonarnym.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was handed to the browser&apos;s downloads.
Did the file save?</source>
        <translation>Plik %1 został przekazany do pobranych plików przeglądarki.
Czy plik został zapisany?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not save %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program file</source>
        <translation>Plik programu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program file or plan</source>
        <translation>Plik programu lub plan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The link to this plan was copied to the clipboard. Whoever opens it sees the plan, ready for Write.</source>
        <translation>Link do tego planu został skopiowany do schowka. Każdy, kto go otworzy, zobaczy plan gotowy do zapisu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The browser did not let the page copy the link. Copy it from here:</source>
        <translation>Przeglądarka nie pozwoliła stronie skopiować linku. Można go skopiować stąd:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read %1 of %2 blocks</source>
        <translation>Odczytano bloki: %1 z %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrote %1 of %2 blocks</source>
        <translation>Zapisano bloki: %1 z %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Could not save the radio history.</source>
        <translation>Nie można zapisać historii radiotelefonu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note of the read of %1 %2</source>
        <translation>Notatka z odczytu %1 %2</translation>
    </message>
</context>
<context>
    <name>zem::Channels</name>
    <message>
        <location filename="../src/core/channels/band.cpp" line="-89"/>
        <source>You select other Type ,this will clear all data as new document,are you sure?</source>
        <translation>Wybranie innego typu wyczyści wszystkie dane jak w nowym dokumencie. Czy kontynuować?</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>outside %1-%2 MHz; this plan has no band chosen</source>
        <translation>poza zakresem %1-%2 MHz; w tym planie nie wybrano pasma</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>outside %1-%2 MHz; this plan is for band %3</source>
        <translation>poza zakresem %1-%2 MHz; ten plan jest dla pasma %3</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_clipboard.cpp" line="+14"/>
        <source>These values were not pasted:</source>
        <translation>Te wartości nie zostały wklejone:</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>channel %1, %2: &quot;%3&quot;: %4</source>
        <translation>kanał %1, %2: „%3”: %4</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>%1 row did not fit below channel 16 and was not pasted</source>
        <translation>Wiersze, które nie zmieściły się poniżej kanału 16 i nie zostały wklejone: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows did not fit below channel 16 and were not pasted</source>
        <translation>Wiersze, które nie zmieściły się poniżej kanału 16 i nie zostały wklejone: %1</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_commit.cpp" line="-62"/>
        <source>Error Data Format，Please input again</source>
        <translation>Nieprawidłowy format danych. Wprowadź wartość ponownie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error data Value，Please input according the step value(6.25K/5k)</source>
        <translation>Nieprawidłowa wartość. Wprowadź wartość zgodną z krokiem (6,25 kHz/5 kHz).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not an entry of the tone list</source>
        <translation>brak na liście tonów</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>must be one of %1</source>
        <translation>dozwolone wartości: %1</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>not a cell of the channel table</source>
        <translation>to nie jest komórka tabeli kanałów</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_csv.cpp" line="+94"/>
        <source>line %1: text after a closing quote</source>
        <translation>wiersz %1: tekst po cudzysłowie zamykającym</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>line %1: a quoted field is not closed</source>
        <translation>wiersz %1: pole w cudzysłowie nie zostało zamknięte</translation>
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
        <translation>wiersz %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, channel %2</source>
        <translation>%1, kanał %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/channels/memory_list.cpp" line="+4"/>
        <source>%1, %2 &quot;%3&quot;</source>
        <translation>%1, %2 „%3”</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the column appears twice</source>
        <translation>kolumna występuje dwukrotnie</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>expected a header row with the column &quot;Ch&quot; and any of %1, separated by commas, semicolons or tabs; found &quot;%2&quot;</source>
        <translation>oczekiwano wiersza nagłówka z kolumną „Ch” i dowolnymi spośród kolumn %1, rozdzielonych przecinkami, średnikami lub tabulatorami; znaleziono „%2”</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>the text has no header row</source>
        <translation>tekst nie ma wiersza nagłówka</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the row has %1 fields, the header %2</source>
        <translation>liczba pól w wierszu: %1, w nagłówku: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>not a channel number from 1 to 16</source>
        <translation>to nie jest numer kanału od 1 do 16</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the channel has a row already</source>
        <translation>kanał ma już swój wiersz</translation>
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
        <translation>plik nie ma wiersza nagłówka</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the header row has no %1 column</source>
        <translation>w wierszu nagłówka brak kolumny %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>not a whole number</source>
        <translation>to nie jest liczba całkowita</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the Location appears twice</source>
        <translation>wartość Location występuje dwukrotnie</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>no memory to import</source>
        <translation>brak wpisów pamięci do zaimportowania</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>must be High, Low or a wattage such as 5.0W</source>
        <translation>dozwolone: High, Low lub moc w watach, np. 5.0W</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Location %1 &quot;%2&quot;</source>
        <translation>Location %1 „%2”</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>names not stored: %1</source>
        <translation>nie zapisano nazw: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>column &quot;%1&quot; not stored: %2 row(s) hold a value there</source>
        <translation>nie zapisano kolumny „%1”: liczba wierszy z wartością w tej kolumnie: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 row(s) past the sixteen taken: Location %2 not stored</source>
        <translation>wiersze ponad przyjęte szesnaście (%1): nie zapisano Location %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 row(s) past the sixteen taken: Location %2 to %3 not stored</source>
        <translation>wiersze ponad przyjęte szesnaście (%1): nie zapisano Location od %2 do %3</translation>
    </message>
    <message>
        <location filename="../src/core/channels/memory_row.cpp" line="+91"/>
        <source>%1 is empty</source>
        <translation>pole %1 jest puste</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>not a CTCSS tone of the tone list</source>
        <translation>to nie jest ton CTCSS z listy tonów</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>not a DCS code of the tone list</source>
        <translation>to nie jest kod DCS z listy tonów</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+33"/>
        <source>not a frequency in MHz</source>
        <translation>to nie jest częstotliwość w MHz</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>this radio stores only FM (Wide) and NFM (Narrow)</source>
        <translation>ten radiotelefon zapisuje tylko FM (szeroki) i NFM (wąski)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>must be S, P or empty</source>
        <translation>dozwolone: S, P lub puste</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the transmit frequency would be below zero</source>
        <translation>częstotliwość nadawania byłaby mniejsza od zera</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>transmit %1</source>
        <translation>nadawanie %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>must be empty, +, -, split or off</source>
        <translation>dozwolone: puste, +, -, split lub off</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>must be two letters N or R, transmit then receive</source>
        <translation>wymagane dwie litery N lub R: najpierw nadawanie, potem odbiór</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>not a cross mode this radio can hold</source>
        <translation>ten radiotelefon nie obsługuje takiego trybu krzyżowego</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>must be empty, Tone, TSQL, DTCS or Cross</source>
        <translation>dozwolone: puste, Tone, TSQL, DTCS lub Cross</translation>
    </message>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="+103"/>
        <source> — choose the band on the Channel Setting page</source>
        <translation> — wybierz pasmo na stronie „Ustawienia kanałów”</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>column &quot;%1&quot; is not a channel table column; ignored</source>
        <translation>kolumna „%1” nie jest kolumną tabeli kanałów; pominięto</translation>
    </message>
</context>
<context>
    <name>zem::Compare</name>
    <message>
        <location filename="../src/core/compare/document_diff.cpp" line="+129"/>
        <source>byte %1</source>
        <translation>bajt %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bytes %1-%2</source>
        <translation>bajty %1-%2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>(empty)</source>
        <translation>(puste)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>on</source>
        <translation>włączone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>off</source>
        <translation>wyłączone</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Band</source>
        <translation>Pasmo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>channel %1 %2</source>
        <translation>kanał %1 %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low Power Value %1</source>
        <translation>Wartość mocy niskiej %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>High Power Value %1</source>
        <translation>Wartość mocy wysokiej %1</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>%1 byte differs only in how the radio holds values that the pages show the same way</source>
        <translation>%1 bajt różni się tylko sposobem, w jaki radiotelefon przechowuje wartości, które strony pokazują tak samo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 bytes differ only in how the radio holds values that the pages show the same way</source>
        <translation>bajty (%1) różnią się tylko sposobem, w jaki radiotelefon przechowuje wartości, które strony pokazują tak samo</translation>
    </message>
</context>
<context>
    <name>zem::File</name>
    <message>
        <location filename="../src/core/document/input_text.cpp" line="+14"/>
        <source>%1 is %2; %3 is at most %4</source>
        <translation>%1 ma rozmiar %2; %3 może mieć najwyżej %4</translation>
    </message>
    <message>
        <location line="+85"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+51"/>
        <source>more than %1</source>
        <translation>ponad %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: read error</source>
        <translation>%1: błąd odczytu</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is a folder, not %2</source>
        <translation>%1 to folder, a nie %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1: cannot be opened for reading</source>
        <translation>%1: nie można otworzyć do odczytu</translation>
    </message>
    <message>
        <location filename="../src/core/document/program_file.cpp" line="+301"/>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Plik „%1” nie istnieje.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot open &quot;%1&quot;: it is a folder, not a program file.</source>
        <translation>Nie można otworzyć „%1”: to folder, a nie plik programu.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot open the file &quot;%1&quot;.</source>
        <translation>Nie można otworzyć pliku „%1”.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="-6"/>
        <source>Cannot read the file &quot;%1&quot;.</source>
        <translation>Nie można odczytać pliku „%1”.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+3"/>
        <source>The file &quot;%1&quot; is not a program file: it holds %2 bytes, a program file holds %3.</source>
        <translation>Plik „%1” nie jest plikiem programu: ma %2 bajtów, a plik programu ma %3.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot open the file &quot;%1&quot;: %2</source>
        <translation>Nie można otworzyć pliku „%1”: %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Cannot save the file &quot;%1&quot;: it is a folder.</source>
        <translation>Nie można zapisać pliku „%1”: to folder.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot save the file &quot;%1&quot;: it is read-only.</source>
        <translation>Nie można zapisać pliku „%1”: jest tylko do odczytu.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <translation>Nie można zapisać pliku „%1”: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot save the file &quot;%1&quot;: %2</source>
        <translation>Nie można zapisać pliku „%1”: %2</translation>
    </message>
    <message>
        <location filename="../src/core/document/share_link.cpp" line="+12"/>
        <source>This link does not hold a whole plan: it may have been cut short or changed on its way. Nothing has changed.</source>
        <translation>Ten link nie zawiera całego planu: mógł zostać obcięty lub zmieniony po drodze. Nic nie zostało zmienione.</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+11"/>
        <source>No folder given.</source>
        <translation>Nie podano folderu.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot use the folder &quot;%1&quot;: %2.</source>
        <translation>Nie można użyć folderu „%1”: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a folder</source>
        <translation>to nie jest folder</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cannot write into the folder &quot;%1&quot;.</source>
        <translation>Nie można zapisywać w folderze „%1”.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot use the folder &quot;%1&quot;: %2</source>
        <translation>Nie można użyć folderu „%1”: %2</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Cannot create &quot;%1&quot;: %2.</source>
        <translation>Nie można utworzyć „%1”: %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot find a free name for &quot;%1&quot;.</source>
        <translation>Nie można znaleźć wolnej nazwy dla „%1”.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The report &quot;%1&quot; is a folder.</source>
        <translation>Raport „%1” jest folderem.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The report &quot;%1&quot; exists already.</source>
        <translation>Raport „%1” już istnieje.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot write the report &quot;%1&quot;.</source>
        <translation>Nie można zapisać raportu „%1”.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot write the report &quot;%1&quot;: %2.</source>
        <translation>Nie można zapisać raportu „%1”: %2.</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_report.cpp" line="+62"/>
        <source>The report is empty.</source>
        <translation>Raport jest pusty.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This is no fleet report: its first line has no port, result and backup columns.</source>
        <translation>To nie jest raport zapisu do wielu radiotelefonów: w jego pierwszym wierszu brak kolumn port, result i backup.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The report has several radios on %1 (one cable, many radios): put each one on the cable again and write its backup with zemtool write.</source>
        <translation>Raport zawiera kilka radiotelefonów na %1 (jeden kabel, wiele radiotelefonów): proszę ponownie podłączyć każdy z nich do kabla i zapisać w nim jego kopię zapasową poleceniem zemtool write.</translation>
    </message>
</context>
<context>
    <name>zem::Link</name>
    <message>
        <location filename="../src/core/compare/verify_mismatch.cpp" line="+32"/>
        <source>The radio does not hold what was written. First difference: %1.
The program has kept its data: write again, or check the radio and the cable.</source>
        <translation>Radiotelefon nie zawiera tego, co zostało zapisane. Pierwsza różnica: %1.
Program zachował swoje dane: zapisz ponownie lub sprawdź radiotelefon i kabel.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The radio does not hold what was written. First difference: %1 is %2 in the radio, %3 in the program.
The program has kept its data: write again, or check the radio and the cable.</source>
        <translation>Radiotelefon nie zawiera tego, co zostało zapisane. Pierwsza różnica: %1 ma w radiotelefonie wartość %2, a w programie %3.
Program zachował swoje dane: zapisz ponownie lub sprawdź radiotelefon i kabel.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The radio does not hold what was written. First difference: %1.</source>
        <translation>Radiotelefon nie zawiera tego, co zostało zapisane. Pierwsza różnica: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The radio does not hold what was written. First difference: %1 is %2 in the radio, %3 in the program.</source>
        <translation>Radiotelefon nie zawiera tego, co zostało zapisane. Pierwsza różnica: %1 ma w radiotelefonie wartość %2, a w programie %3.</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/radio_job.cpp" line="+18"/>
        <source>Cancelled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>waiting</source>
        <translation>oczekiwanie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>backing up</source>
        <translation>tworzenie kopii zapasowej</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>writing</source>
        <translation>zapisywanie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verifying</source>
        <translation>weryfikacja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>done</source>
        <translation>zakończono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>failed</source>
        <translation>niepowodzenie</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the radio is unchanged</source>
        <translation>radiotelefon nie został zmieniony</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the radio holds a partial write (%1 of %2 blocks)</source>
        <translation>radiotelefon zawiera częściowy zapis (bloki: %1 z %2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the radio holds the whole write, not checked</source>
        <translation>radiotelefon zawiera cały zapis, niesprawdzony</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the radio holds a write that differs from the plan</source>
        <translation>radiotelefon zawiera zapis różniący się od planu</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>cancelled during verify, after the whole write</source>
        <translation>anulowano podczas weryfikacji, po całym zapisie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled at block %1 of %2</source>
        <translation>anulowano przy bloku %1 z %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled before the first block was written</source>
        <translation>anulowano przed zapisaniem pierwszego bloku</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>no backup, so nothing was written</source>
        <translation>brak kopii zapasowej, więc niczego nie zapisano</translation>
    </message>
    <message>
        <location filename="../src/core/link/link_messages.cpp" line="+7"/>
        <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
        <translation>Nie można otworzyć portu. Sprawdź, czy port nie jest zajęty i czy urządzenie działa prawidłowo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now are detecting communication port,Please wait...</source>
        <translation>Wykrywanie portu komunikacyjnego, proszę czekać...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Waiting the response from radio...</source>
        <translation>Oczekiwanie na odpowiedź radiotelefonu...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Communication error ,Please check all the connections and the radio power</source>
        <translation>Błąd komunikacji. Sprawdź wszystkie połączenia i zasilanie radiotelefonu.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not received enough byte</source>
        <translation>Odebrano za mało bajtów</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program interruput,please reset the radio and try again</source>
        <translation>Programowanie przerwane. Zresetuj radiotelefon i spróbuj ponownie.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Program interruput,please reset the radio and try again</source>
        <translation> Programowanie przerwane. Zresetuj radiotelefon i spróbuj ponownie.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading Data Progress</source>
        <translation>Odczyt danych</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing Data Progress</source>
        <translation>Zapis danych</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ready ......</source>
        <translation>Gotowy do pracy...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio took the whole write, but reading it back to check it failed: %1</source>
        <translation>Radiotelefon przyjął cały zapis, ale odczyt kontrolny się nie powiódł: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The write was stopped before the end: the radio now holds part of this program and part of what it held before. Write it again before using the radio.</source>
        <translation>Zapis został przerwany przed końcem: radiotelefon zawiera teraz częściowo ten program, a częściowo poprzednie dane. Zapisz go ponownie przed użyciem radiotelefonu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the line failed: %1</source>
        <translation>błąd łącza: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the radio did not answer</source>
        <translation>radiotelefon nie odpowiedział</translation>
    </message>
    <message>
        <location filename="../src/core/service/access_code.cpp" line="+7"/>
        <source>Not the correct password</source>
        <translation>Nieprawidłowe hasło</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+80"/>
        <source>%1: plan: %2, radio: %3</source>
        <translation>%1: plan: %2, radiotelefon: %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>block %1 (%2-%3) differs</source>
        <translation>blok %1 (%2-%3) różni się</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>block %1 (%2-%3) differs: %4</source>
        <translation>blok %1 (%2-%3) różni się: %4</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_report.cpp" line="-37"/>
        <source>%1 done, %2 failed</source>
        <translation>zakończone: %1, nieudane: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 done, %2 failed, %3 port not used (missing or given twice)</source>
        <translation>zakończone: %1, nieudane: %2, nieużyty port (brakujący lub podany dwukrotnie): %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 done, %2 failed, %3 ports not used (missing or given twice)</source>
        <translation>zakończone: %1, nieudane: %2, nieużyte porty (brakujące lub podane dwukrotnie): %3</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_run.cpp" line="+216"/>
        <source>Port given twice</source>
        <translation>Port podany dwukrotnie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is given more than once</source>
        <translation>port %1 podano więcej niż raz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is the same port as %2</source>
        <translation>%1 to ten sam port co %2</translation>
    </message>
    <message>
        <location filename="../src/core/link/clone_protocol.cpp" line="+28"/>
        <source>block read at %1: %2</source>
        <translation>odczyt bloku pod adresem %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>block write at %1: %2</source>
        <translation>zapis bloku pod adresem %1: %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the reply to block %1 is nothing but 0x06 bytes: something on the line answers 0x06 to everything, not a radio; check the programming cable or adapter</source>
        <translation>odpowiedź na blok %1 składa się wyłącznie z bajtów 0x06: na wszystko odpowiada 0x06 coś na łączu, a nie radiotelefon; sprawdź kabel programujący lub adapter</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>one byte too many in the reply to block %1</source>
        <translation>o jeden bajt za dużo w odpowiedzi na blok %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 bytes too many in the reply to block %2</source>
        <translation>nadmiarowe bajty w odpowiedzi na blok %2: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the radio answered for block %1 when %2 was asked for</source>
        <translation>radiotelefon odpowiedział dla bloku %1, choć żądano bloku %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the reply to block %1 gives the length %2 instead of %3</source>
        <translation>odpowiedź na blok %1 podaje długość %2 zamiast %3</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>no acknowledgement from the radio</source>
        <translation>brak potwierdzenia od radiotelefonu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the radio answered %1 instead of 0x06</source>
        <translation>radiotelefon odpowiedział %1 zamiast 0x06</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the radio did not answer the wake-up %1 times (%2); the line echoes every byte the program sends back to it: check the programming cable or adapter</source>
        <translation>radiotelefon %1 razy nie odpowiedział na sekwencję wybudzania (%2); łącze odsyła z powrotem każdy bajt wysłany przez program: sprawdź kabel programujący lub adapter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the radio did not answer the wake-up %1 times (%2)</source>
        <translation>radiotelefon %1 razy nie odpowiedział na sekwencję wybudzania (%2)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the radio did not confirm programming mode (%1)</source>
        <translation>radiotelefon nie potwierdził trybu programowania (%1)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>block at %1: %2 of %3 reply bytes arrived</source>
        <translation>blok pod adresem %1: odebrano %2 z %3 bajtów odpowiedzi</translation>
    </message>
    <message>
        <location filename="../src/core/link/port_trace.cpp" line="+89"/>
        <source>cannot open the trace log %1</source>
        <translation>nie można otworzyć dziennika śledzenia %1</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_posix.cpp" line="+38"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+28"/>
        <source>the port is closed</source>
        <translation>port jest zamknięty</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the line hung up (cable or adapter disconnected?)</source>
        <translation>łącze zostało rozłączone (odłączony kabel lub adapter?)</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+88"/>
        <source>write failed: %1</source>
        <translation>zapis nie powiódł się: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+1"/>
        <source>write timed out</source>
        <translation>przekroczono czas zapisu</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the line hung up</source>
        <translation>łącze zostało rozłączone</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>read failed: %1</source>
        <translation>odczyt nie powiódł się: %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>poll failed: %1</source>
        <translation>poll nie powiódł się: %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="-86"/>
        <source>%1: not a serial port</source>
        <translation>%1: to nie jest port szeregowy</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+172"/>
        <source>%1: no such device</source>
        <translation>%1: nie ma takiego urządzenia</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: permission denied (the user must be in the dialout group)</source>
        <translation>%1: brak uprawnień (użytkownik musi należeć do grupy dialout)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: permission denied</source>
        <translation>%1: brak uprawnień</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+6"/>
        <source>%1: in use by another program</source>
        <translation>%1: używany przez inny program</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>&quot;%1&quot; is neither a port number 1-99 with a device nor a device path</source>
        <translation>„%1” nie jest ani numerem portu 1-99 z urządzeniem, ani ścieżką urządzenia</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>built-in serial port</source>
        <translation>wbudowany port szeregowy</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_win32.cpp" line="-27"/>
        <source>&quot;%1&quot; is neither a port number 1-99 nor a device path</source>
        <translation>„%1” nie jest ani numerem portu 1-99, ani ścieżką urządzenia</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_web.cpp" line="+53"/>
        <source>no serial port was chosen</source>
        <translation>nie wybrano portu szeregowego</translation>
    </message>
</context>
<context>
    <name>zem::Plan</name>
    <message>
        <location filename="../src/core/plan/plan_build.cpp" line="+81"/>
        <source>the radio keeps &quot;%1&quot;; &quot;%2&quot; was stored as &quot;%1&quot;</source>
        <translation>radiotelefon zachowuje „%1”; „%2” zapisano jako „%1”</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_reader.cpp" line="+63"/>
        <source>must be a single value</source>
        <translation>wymagana pojedyncza wartość</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>must be a mapping of keys to values</source>
        <translation>wymagane mapowanie kluczy na wartości</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown key</source>
        <translation>nieznany klucz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the key appears twice</source>
        <translation>klucz występuje dwukrotnie</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+271"/>
        <source>the key %1 is missing</source>
        <translation>brak klucza %1</translation>
    </message>
    <message>
        <location line="-249"/>
        <source>must be one of %1</source>
        <translation>dozwolone wartości: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>must be a whole number from %1 to %2</source>
        <translation>wymagana liczba całkowita od %1 do %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>must be a list of the 16 channels</source>
        <translation>wymagana lista 16 kanałów</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the channel appears twice</source>
        <translation>kanał występuje dwukrotnie</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>channel %1 is missing</source>
        <translation>brak kanału %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>must be true or false</source>
        <translation>dozwolone: true lub false</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>must be a list of 7 values from 0 to 255</source>
        <translation>wymagana lista 7 wartości od 0 do 255</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>must be a mapping of addresses to bytes</source>
        <translation>wymagane mapowanie adresów na bajty</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>not an address: hex text 0x000 to 0x3FF or a number 0 to 1023</source>
        <translation>to nie jest adres: tekst szesnastkowy od 0x000 do 0x3FF lub liczba od 0 do 1023</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>not a byte in hex (00 to FF)</source>
        <translation>to nie jest bajt szesnastkowy (od 00 do FF)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>runs past the end of the image</source>
        <translation>wykracza poza koniec obrazu pamięci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the byte is given twice</source>
        <translation>bajt podano dwukrotnie</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>not a plan text: it has no top-level key &quot;zem-plan: 1&quot;</source>
        <translation>to nie jest tekst planu: brak klucza najwyższego poziomu „zem-plan: 1”</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>this program reads version 1 of the plan text</source>
        <translation>ten program odczytuje wersję 1 tekstu planu</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>bytes: nothing given for %1; a new document&apos;s bytes were taken there</source>
        <translation>bytes: nic nie podano dla %1; użyto tam bajtów nowego dokumentu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bytes: the section is empty; the bytes no value above determines were taken from a new document</source>
        <translation>bytes: sekcja jest pusta; bajty, których nie określa żadna z powyższych wartości, wzięto z nowego dokumentu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bytes: the section is missing; the bytes no value above determines were taken from a new document</source>
        <translation>bytes: brak sekcji; bajty, których nie określa żadna z powyższych wartości, wzięto z nowego dokumentu</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_unreadable.cpp" line="+16"/>
        <source>this build cannot read plan texts (it was made without yaml-cpp)</source>
        <translation>ta wersja programu nie odczytuje tekstów planów (została zbudowana bez yaml-cpp)</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_writer.cpp" line="+131"/>
        <source>line %1, column %2: %3</source>
        <translation>wiersz %1, kolumna %2: %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1, column %2, %3: %4</source>
        <translation>wiersz %1, kolumna %2, %3: %4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1, column %2, %3 &quot;%4&quot;: %5</source>
        <translation>wiersz %1, kolumna %2, %3 „%4”: %5</translation>
    </message>
</context>
<context>
    <name>zem::Settings</name>
    <message>
        <location filename="../src/core/pages/option_values.cpp" line="-110"/>
        <source>The PTT ID you input are not correct,it will be changed to zero</source>
        <translation>Wprowadzony PTT ID jest nieprawidłowy, zostanie zmieniony na zero.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The  PTT ID you input is too short,It will be suffixed with zero</source>
        <translation>Wprowadzony PTT ID jest za krótki, zostanie uzupełniony zerami.</translation>
    </message>
    <message>
        <location filename="../src/core/pages/radio_settings.cpp" line="+109"/>
        <source>a PTT ID has at most 8 digits</source>
        <translation>PTT ID ma najwyżej 8 cyfr</translation>
    </message>
</context>
<context>
    <name>zem::gui::CAboutDlg</name>
    <message>
        <location filename="../src/gui/app/about_dialog.cpp" line="+13"/>
        <source>About Zem Electronics Co., Ltd.</source>
        <translation>O programie — Zem Electronics Co., Ltd.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Program icon</source>
        <translation>Ikona programu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zem  Communication Software-1.0</source>
        <translation>Oprogramowanie komunikacyjne Zem 1.0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Programs the 16-channel handheld radio over its serial cable.
Copyright (C) Zem Electronics Co., Ltd.
All rights reserved.</source>
        <translation>Programuje 16-kanałowy radiotelefon ręczny przez kabel szeregowy.
Copyright (C) Zem Electronics Co., Ltd.
Wszelkie prawa zastrzeżone.</translation>
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
        <translation>Proszę wprowadzić liczbę</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_page.cpp" line="+45"/>
        <source>%1 of channel %2</source>
        <translation>%1, kanał %2</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-12"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="+9"/>
        <source>Type Setting</source>
        <translation>Ustawienia typu</translation>
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
        <translation>Pasmo</translation>
    </message>
    <message>
        <location line="-5"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="+50"/>
        <location line="+65"/>
        <source>Channel Setting</source>
        <translation>Ustawienia kanałów</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_page.cpp" line="-33"/>
        <source>The 16 channels of the radio. Click a cell to edit it, or start typing: frequencies in MHz (for example 145.5), tones and choices from the lists. Enter moves on to the next cell.</source>
        <translation>16 kanałów radiotelefonu. Proszę kliknąć komórkę, aby ją edytować, lub po prostu zacząć pisać: częstotliwości w MHz (na przykład 145.5), tony i wartości z list. Klawisz Enter przechodzi do następnej komórki.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio type.</source>
        <translation>Typ radiotelefonu.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency band of the radio; frequencies outside it are refused.</source>
        <translation>Pasmo częstotliwości radiotelefonu; częstotliwości spoza niego są odrzucane.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fills the channel table with demonstration channels of the band.</source>
        <translation>Wypełnia tabelę kanałów przykładowymi kanałami pasma.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Band</source>
        <translation>Pasmo</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Cut</source>
        <translation>Wycinanie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Delete</source>
        <translation>Usuwanie</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Paste</source>
        <translation>Wklejanie</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKeyPage</name>
    <message>
        <location filename="../src/gui/pages/key_page.cpp" line="+42"/>
        <source>   Top Key</source>
        <translation>Przycisk górny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle Key</source>
        <translation>Przycisk środkowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key</source>
        <translation>Przycisk dolny</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Picture of the radio&apos;s programmable keys</source>
        <translation>Rysunek programowalnych przycisków radiotelefonu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A handheld radio seen from the front. Red leader lines point to its three programmable keys: the top key on its top, the middle key high on its left side and the bottom key below it.</source>
        <translation>Radiotelefon ręczny widziany z przodu. Czerwone linie odniesienia wskazują jego trzy programowalne przyciski: górny na górnej ściance, środkowy wysoko na lewym boku i dolny poniżej niego.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio&apos;s three programmable keys: top, middle (upper side) and bottom (lower side).</source>
        <translation>Trzy programowalne przyciski radiotelefonu: górny, środkowy (wyżej na boku) i dolny (niżej na boku).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sets the three keys and the long-press duration back to the factory values.</source>
        <translation>Przywraca wartości fabryczne trzech przycisków i czasu długiego naciśnięcia.</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+2"/>
        <location filename="../src/gui/pages/key_page.cpp" line="+25"/>
        <source>Key assignment</source>
        <translation>Przypisanie przycisków</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKivuDoc</name>
    <message>
        <location filename="../src/core/session/document_session.cpp" line="+14"/>
        <source>a plan text</source>
        <translation>tekst planu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not read %1</source>
        <translation>Nie można odczytać %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The plan %1 was not opened:</source>
        <translation>Plan %1 nie został otwarty:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(%1 more)</source>
        <translation>(jeszcze %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The plan %1 was opened with these changes:</source>
        <translation>Plan %1 został otwarty z następującymi zmianami:</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKivuView</name>
    <message>
        <location filename="../src/gui/view/kivu_view.cpp" line="+76"/>
        <source>The three pages of the program: the channel table, the optional features and the key assignment.</source>
        <translation>Trzy strony programu: tabela kanałów, funkcje dodatkowe i przypisanie przycisków.</translation>
    </message>
</context>
<context>
    <name>zem::gui::COptionPage</name>
    <message>
        <location filename="../src/gui/pages/option_page.cpp" line="+43"/>
        <source>Sets every optional feature back to the factory values.</source>
        <translation>Przywraca wartości fabryczne wszystkich funkcji dodatkowych.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Whisper  Function</source>
        <translation>Tryb szeptu</translation>
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
        <translation>Skanowanie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Other Function</source>
        <translation>Inne funkcje</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-1"/>
        <location filename="../src/gui/pages/option_page.cpp" line="+66"/>
        <source>Optional features</source>
        <translation>Funkcje dodatkowe</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPasswordDlg</name>
    <message>
        <location line="+13"/>
        <location filename="../src/gui/service/password_dialog.cpp" line="+21"/>
        <source>Please input password</source>
        <translation>Proszę wprowadzić hasło</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPortDlg</name>
    <message>
        <location filename="../src/gui/link/port_dialog.cpp" line="+26"/>
        <source>Please enter an integer between 1 and 99.</source>
        <translation>Proszę wprowadzić liczbę całkowitą od 1 do 99.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Please Choose serial ports</source>
        <translation>Proszę wybrać port szeregowy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please input the serial ports number,For example1,2,3and so on,The maximum is 99,If you have no idea,Please see Ports(COM and LPT) in Device Manager of Control Panel in Windows XP/9X</source>
        <translation>Proszę wprowadzić numer portu szeregowego, na przykład 1, 2, 3 itd. Maksymalna wartość to 99. Jeśli numer nie jest znany, proszę sprawdzić sekcję „Porty (COM i LPT)” w Menedżerze urządzeń w Panelu sterowania systemu Windows XP/9x.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Serial ports of this computer</source>
        <translation>Porty szeregowe tego komputera</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPowerSetDlg</name>
    <message>
        <location filename="../src/web/page/texts.js" line="+9"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+20"/>
        <source>Default Setting</source>
        <translation>Ustawienia fabryczne</translation>
    </message>
    <message>
        <location line="-35"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Read</source>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Write</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <location line="-8"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Zem Electronics Co., Ltd. On Line Power Setting</source>
        <translation>Zem Electronics Co., Ltd. — ustawianie mocy online</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+5"/>
        <source>The Frequency Range Setting</source>
        <translation>Ustawienie zakresu częstotliwości</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+3"/>
        <source>The Maximum Frequency  (MHZ)</source>
        <translation>Maksymalna częstotliwość (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>The Minimum Frequency (MHZ)</source>
        <translation>Minimalna częstotliwość (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+14"/>
        <source>Frequency Range</source>
        <translation>Zakres częstotliwości</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>Low Power Value</source>
        <translation>Wartość mocy niskiej</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>High Power Value</source>
        <translation>Wartość mocy wysokiej</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="-2"/>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+13"/>
        <source>Progress:</source>
        <translation>Postęp:</translation>
    </message>
    <message>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+24"/>
        <source>Ready ......</source>
        <translation>Gotowy do pracy...</translation>
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
        <translation>%1, kanał %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::ChannelGridModel</name>
    <message>
        <location filename="../src/gui/channels/channel_grid_model.cpp" line="+33"/>
        <source>channel %1, %2</source>
        <translation>kanał %1, %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::CompareCommands</name>
    <message>
        <location filename="../src/gui/app/device_commands.cpp" line="+102"/>
        <source>Radio</source>
        <translation>Radiotelefon</translation>
    </message>
</context>
<context>
    <name>zem::gui::CompareDialog</name>
    <message>
        <location filename="../src/gui/workbench/compare_commands.cpp" line="+26"/>
        <source>No differences: both hold the same data.</source>
        <translation>Brak różnic: oba zawierają te same dane.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Compare with %1</source>
        <translation>Porównanie z: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Where</source>
        <translation>Miejsce</translation>
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
        <translation>Różnice</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/compare_commands.cpp" line="+8"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 difference(s) between the document and %2:</source>
        <translation>Różnice między dokumentem a „%2” (%1):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No differences on the pages: %1.</source>
        <translation>Brak różnic na stronach: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
</context>
<context>
    <name>zem::gui::CsvCommands</name>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="-105"/>
        <source>The channel list was not imported; nothing has changed. These values were refused:</source>
        <translation>Lista kanałów nie została zaimportowana; nic nie zmieniono. Odrzucono następujące wartości:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These values were refused. Import the other rows of the channel list and leave these rows out?</source>
        <translation>Odrzucono następujące wartości. Zaimportować pozostałe wiersze listy kanałów, pomijając te wiersze?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The channel list was imported. This radio does not store:</source>
        <translation>Lista kanałów została zaimportowana. Ten radiotelefon nie przechowuje:</translation>
    </message>
    <message>
        <location line="+166"/>
        <source>Import CSV</source>
        <translation>Importuj CSV</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Import memory list</source>
        <translation>Importuj listę pamięci</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/csv_commands.cpp" line="+22"/>
        <source>Could not read %1</source>
        <translation>Nie można odczytać %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not write %1</source>
        <translation>Nie można zapisać %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>a channel list</source>
        <translation>lista kanałów</translation>
    </message>
</context>
<context>
    <name>zem::gui::DeviceCommands</name>
    <message>
        <location filename="../src/gui/app/device_commands.cpp" line="-31"/>
        <source>The read is complete, but it could not be kept in the radio history.
Folder: %1
Reason: %2</source>
        <translation>Odczyt został zakończony, ale nie można go zachować w historii radiotelefonów.
Folder: %1
Przyczyna: %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::DocumentFiles</name>
    <message>
        <location filename="../src/gui/app/document_files.cpp" line="+24"/>
        <source>Programing Data</source>
        <translation>Dane programowania</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Opened %1</source>
        <translation>Otwarto %1</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>The file %1 was changed by another program since you opened it. Overwrite it?</source>
        <translation>Plik %1 został zmieniony przez inny program od czasu otwarcia. Nadpisać go?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Saved %1</source>
        <translation>Zapisano %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The file %1 was changed by another program. Reload it?</source>
        <translation>Plik %1 został zmieniony przez inny program. Wczytać go ponownie?</translation>
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
        <translation>Trwa odczyt lub zapis radiotelefonu.
Zatrzymać wszystkie radiotelefony przy następnym bloku i zamknąć program?</translation>
    </message>
</context>
<context>
    <name>zem::gui::FleetDialog</name>
    <message>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+46"/>
        <source> (%1 failed)</source>
        <translation> (nieudane: %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>; backup: %1; to put it back: put it on the cable again and write the backup to it (Open, then Write)</source>
        <translation>; kopia zapasowa: %1; aby przywrócić: proszę ponownie podłączyć radiotelefon do kabla i zapisać w nim kopię zapasową (Otwórz, potem Zapisz do radiotelefonu)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>; backup: %1; to put it back: Restore from backups</source>
        <translation>; kopia zapasowa: %1; aby przywrócić: Przywróć z kopii zapasowych</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The radios are still being written.
Stop every radio at its next block and close this window?</source>
        <translation>Radiotelefony są nadal zapisywane.
Zatrzymać wszystkie radiotelefony przy następnym bloku i zamknąć to okno?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write to Several Radios</source>
        <translation>Zapis do wielu radiotelefonów</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Ports</source>
        <translation>Porty</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Port numbers or device paths</source>
        <translation>Numery portów lub ścieżki urządzeń</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>For every radio</source>
        <translation>Dla każdego radiotelefonu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify</source>
        <translation>Weryfikuj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read each radio back and compare it with the plan</source>
        <translation>Ponowny odczyt każdego radiotelefonu i porównanie go z planem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup into</source>
        <translation>Kopia zapasowa do</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First read each radio into a program file of its own in this folder</source>
        <translation>Najpierw odczyt każdego radiotelefonu do osobnego pliku programu w tym folderze</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Browse...</source>
        <translation>Przeglądaj...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repeat: one cable, many radios</source>
        <translation>Powtarzanie: jeden kabel, wiele radiotelefonów</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After each radio, wait until it is taken off and program the next one put on, until Stop</source>
        <translation>Po każdym radiotelefonie program czeka, aż zostanie on odłączony, i programuje następny podłączony, aż do naciśnięcia Stop</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Radios</source>
        <translation>Radiotelefony</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Count</source>
        <translation>Liczba</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Komunikat</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save report...</source>
        <translation>Zapisz raport...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore from backups</source>
        <translation>Przywróć z kopii zapasowych</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write each failed radio&apos;s own backup back into it</source>
        <translation>Zapisuje w każdym radiotelefonie, którego zapis się nie powiódł, jego własną kopię zapasową</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+1"/>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+2"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+35"/>
        <source>1 port added: %1</source>
        <translation>Dodano 1 port: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 ports added: %2</source>
        <translation>Dodano porty (%1): %2</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Tick the ports of the radios to write.</source>
        <translation>Proszę zaznaczyć porty radiotelefonów do zapisu.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Choose the folder for the backups.</source>
        <translation>Proszę wybrać folder na kopie zapasowe.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the backups</source>
        <translation>kopie zapasowe</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>Restore: %1</source>
        <translation>Przywracanie: %1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The report &quot;%1&quot; exists already. Replace it?</source>
        <translation>Raport „%1” już istnieje. Zastąpić go?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>put it on the cable again and write the backup to it</source>
        <translation>proszę ponownie podłączyć radiotelefon do kabla i zapisać w nim kopię zapasową</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Restore from backups&quot; in the window, or zemtool fleet restore %1</source>
        <translation>„Przywróć z kopii zapasowych” w oknie lub zemtool fleet restore %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save report</source>
        <translation>Zapisz raport</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV file (*.csv)</source>
        <translation>Plik CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The report goes to %1 when the run ends.</source>
        <translation>Po zakończeniu przebiegu raport zostanie zapisany w %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Backup folder</source>
        <translation>Folder kopii zapasowych</translation>
    </message>
</context>
<context>
    <name>zem::gui::HelpWindow</name>
    <message>
        <location filename="../src/gui/app/help_window.cpp" line="+33"/>
        <source>Zem Programming Software Help</source>
        <translation>Pomoc programu Zem</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Help page</source>
        <translation>Strona pomocy</translation>
    </message>
</context>
<context>
    <name>zem::gui::MainWindow</name>
    <message>
        <location filename="../src/gui/app/main_window.cpp" line="+46"/>
        <source>Zem Electronics Co., Ltd. Programing Software</source>
        <translation>Zem Electronics Co., Ltd. — oprogramowanie do programowania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please press F1 for Help</source>
        <translation>Aby uzyskać pomoc, proszę nacisnąć F1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a Object for help</source>
        <translation>Proszę wybrać obiekt, aby uzyskać pomoc</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-28"/>
        <location filename="../src/gui/app/main_window.cpp" line="+1"/>
        <source>System</source>
        <translation>Systemowy</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window.cpp" line="+2"/>
        <source>The language changes when the program starts again.</source>
        <translation>Język zmieni się przy następnym uruchomieniu programu.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please directly double click inside the table</source>
        <translation>Proszę kliknąć dwukrotnie bezpośrednio w tabeli</translation>
    </message>
    <message>
        <location line="+179"/>
        <source>Standard</source>
        <translation>Standardowy</translation>
    </message>
</context>
<context>
    <name>zem::gui::PowerSetCommand</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-7"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="+103"/>
        <location line="+38"/>
        <source>On Line Power Set</source>
        <translation>Ustawianie mocy online</translation>
    </message>
    <message>
        <location line="+78"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="-21"/>
        <source>Read the power values from the radio</source>
        <translation>Odczytano wartości mocy z radiotelefonu</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="+25"/>
        <source>Written</source>
        <translation>Zapisano</translation>
    </message>
</context>
<context>
    <name>zem::gui::QtUserDialogs</name>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+15"/>
        <source>Program file(*.Zem)</source>
        <translation>Plik programu (*.Zem)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plan as text (*.yaml)</source>
        <translation>Plan jako tekst (*.yaml)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Program file or plan (*.Zem *.zem *.yaml *.yml);;Program file(*.Zem *.zem);;</source>
        <translation>Plik programu lub plan (*.Zem *.zem *.yaml *.yml);;Plik programu (*.Zem *.zem);;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Channel list (%1);;All files (*)</source>
        <translation>Lista kanałów (%1);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-90"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+16"/>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+7"/>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+5"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+13"/>
        <source>Import channel list</source>
        <translation>Importuj listę kanałów</translation>
    </message>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+4"/>
        <source>Export CSV</source>
        <translation>Eksportuj CSV</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+1"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+16"/>
        <source>Export channel list</source>
        <translation>Eksportuj listę kanałów</translation>
    </message>
    <message>
        <location line="+74"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+14"/>
        <source>Save the changes to %1?</source>
        <translation>Zapisać zmiany w %1?</translation>
    </message>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="-8"/>
        <source>Channel list of this program (*.csv)</source>
        <translation>Lista kanałów tego programu (*.csv)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Memory list of other programming tools (*.csv)</source>
        <translation>Lista pamięci innych programów do programowania (*.csv)</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioHistory</name>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+93"/>
        <source>it is not a folder</source>
        <translation>to nie jest folder</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioHistoryDialog</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-66"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+64"/>
        <source>Radio history</source>
        <translation>Historia radiotelefonów</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>Radios read</source>
        <translation>Odczytane radiotelefony</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Time</source>
        <translation>Godzina</translation>
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
        <translation>Pasmo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>First channel</source>
        <translation>Pierwszy kanał</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Taken by</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+1"/>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>&amp;Note...</source>
        <translation>&amp;Notatka...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Could not save the note.</source>
        <translation>Nie można zapisać notatki.</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+38"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+18"/>
        <source>Compare</source>
        <translation>Porównanie</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Read</source>
        <translation>Odczyt</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>Every complete read from a radio, newest first (the newest %1 are kept).</source>
        <translation>Każdy pełny odczyt radiotelefonu, od najnowszego (przechowywanych jest %1 najnowszych).</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>No radio has been read yet.</source>
        <translation>Nie odczytano jeszcze żadnego radiotelefonu.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>Delete the read of %1 %2 from the radio history?</source>
        <translation>Usunąć odczyt z %1 %2 z historii radiotelefonów?</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+4"/>
        <source>Could not delete the read of %1 %2.</source>
        <translation>Nie można usunąć odczytu z %1 %2.</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioPage</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-29"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+11"/>
        <source>Please click the CommBox to choose value</source>
        <translation>Proszę kliknąć pole listy, aby wybrać wartość</translation>
    </message>
    <message>
        <location line="-1"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+1"/>
        <source>Please Click the cell to edit or input data</source>
        <translation>Proszę kliknąć komórkę, aby edytować lub wprowadzić dane</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+1"/>
        <source>For help，please press F1</source>
        <translation>Aby uzyskać pomoc, proszę nacisnąć F1</translation>
    </message>
    <message>
        <location line="-44"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+10"/>
        <location line="+4"/>
        <source>Default Setting</source>
        <translation>Ustawienia fabryczne</translation>
    </message>
</context>
<context>
    <name>zem::gui::RefusalListDialog</name>
    <message>
        <location filename="../src/gui/common/refusal_list_dialog.cpp" line="+43"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
</context>
<context>
    <name>zem::gui::TransferController</name>
    <message>
        <location filename="../src/gui/link/transfer_controller.cpp" line="+31"/>
        <source>the check was stopped</source>
        <translation>sprawdzanie zostało przerwane</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Verifying Written Data</source>
        <translation>Weryfikacja zapisanych danych</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading the radio back to compare...</source>
        <translation>Ponowny odczyt radiotelefonu w celu porównania...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify</source>
        <translation>Weryfikacja</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Verifying written data</source>
        <translation>Weryfikacja zapisanych danych</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Read from radio</source>
        <translation>Odczyt z radiotelefonu</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Read from the radio</source>
        <translation>Odczytano z radiotelefonu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio</source>
        <translation>Zapisano do radiotelefonu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio and verified</source>
        <translation>Zapisano do radiotelefonu i zweryfikowano</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio, but not checked: %1</source>
        <translation>Zapisano do radiotelefonu, ale nie sprawdzono: %1</translation>
    </message>
</context>
<context>
    <name>zem::gui::UndoRouter</name>
    <message>
        <location filename="../src/gui/app/undo_router.cpp" line="+18"/>
        <source>Undo: %1</source>
        <translation>Cofnij: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Redo: %1</source>
        <translation>Ponów: %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
</context>
<context>
    <name>zem::gui::WindowCommands</name>
    <message>
        <location filename="../src/gui/app/window_commands.cpp" line="+44"/>
        <source>New(&amp;N)	Ctrl+N</source>
        <translation>&amp;Nowy	Ctrl+N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create a new document
New</source>
        <translation>Tworzy nowy dokument
Nowy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open(&amp;O)...	Ctrl+O</source>
        <translation>&amp;Otwórz...	Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open an existing document
Open</source>
        <translation>Otwiera istniejący dokument
Otwórz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save(&amp;S)	Ctrl+S</source>
        <translation>&amp;Zapisz	Ctrl+S</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document
Save</source>
        <translation>Zapisuje aktywny dokument
Zapisz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save as(&amp;A)...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document with a new name
Save As</source>
        <translation>Zapisuje aktywny dokument pod nową nazwą
Zapisz jako</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Import channel list...</source>
        <translation>&amp;Importuj listę kanałów...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace the channels by those of a channel list: this program&apos;s CSV or the memory list of other programming tools
Import channel list</source>
        <translation>Zastępuje kanały kanałami z listy kanałów: pliku CSV tego programu lub listy pamięci innych programów do programowania
Importuj listę kanałów</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export channel list...</source>
        <translation>&amp;Eksportuj listę kanałów...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the channels as this program&apos;s CSV or as the memory list of other programming tools
Export channel list</source>
        <translation>Zapisuje kanały jako plik CSV tego programu lub jako listę pamięci innych programów do programowania
Eksportuj listę kanałów</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Radio history...</source>
        <translation>&amp;Historia radiotelefonów...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open one of the radios read before
Radio history</source>
        <translation>Otwiera jeden z wcześniej odczytanych radiotelefonów
Historia radiotelefonów</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print(&amp;P)...	Ctrl+P</source>
        <translation>&amp;Drukuj...	Ctrl+P</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print the active document
Print</source>
        <translation>Drukuje aktywny dokument
Drukuj</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print Preview(&amp;V)</source>
        <translation>&amp;Podgląd wydruku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display full pages
Print Preview</source>
        <translation>Wyświetla całe strony
Podgląd wydruku</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print Setup(&amp;S)...</source>
        <translation>&amp;Ustawienia wydruku...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Zmienia drukarkę i opcje drukowania
Ustawienia wydruku</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Recent File</source>
        <translation>Ostatni plik</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+4"/>
        <location line="+4"/>
        <location line="+4"/>
        <source>Open this file</source>
        <translation>Otwórz ten plik</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit(&amp;X)</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Zamyka aplikację; pyta o zapisanie dokumentów
Zakończ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Undo the last change
Undo</source>
        <translation>Cofa ostatnią zmianę
Cofnij</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Redo the change undone last
Redo</source>
        <translation>Ponawia ostatnio cofniętą zmianę
Ponów</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cut(&amp;T)	Ctrl+X</source>
        <translation>&amp;Wytnij	Ctrl+X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut the selected cells and put them on the Clipboard
Cut</source>
        <translation>Wycina zaznaczone komórki i umieszcza je w schowku
Wytnij</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy(&amp;C)	Ctrl+C</source>
        <translation>&amp;Kopiuj	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the selected cells to the Clipboard
Copy</source>
        <translation>Kopiuje zaznaczone komórki do schowka
Kopiuj</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paste(&amp;P)	Ctrl+V</source>
        <translation>Wkl&amp;ej	Ctrl+V</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert the Clipboard contents at the selected cell
Paste</source>
        <translation>Wstawia zawartość schowka w zaznaczonej komórce
Wklej</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete(&amp;D)	Del</source>
        <translation>&amp;Usuń	Del</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Empty the selected cells
Delete</source>
        <translation>Czyści zaznaczone komórki
Usuń</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Read From Radio(&amp;U)	Ctrl+R</source>
        <translation>&amp;Odczytaj z radiotelefonu	Ctrl+R</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read Data From interphone 
Read</source>
        <translation>Odczytuje dane z radiotelefonu
Odczytaj</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Write to Radio	Ctrl+W</source>
        <translation>&amp;Zapisz do radiotelefonu	Ctrl+W</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write Data to interphone
Write</source>
        <translation>Zapisuje dane do radiotelefonu
Zapisz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Write to &amp;several radios...</source>
        <translation>Zapisz do &amp;wielu radiotelefonów...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write this document into many radios, at once or one after another
Write to several radios</source>
        <translation>Zapisuje ten dokument do wielu radiotelefonów, jednocześnie lub po kolei
Zapisz do wielu radiotelefonów</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Compare with radio...</source>
        <translation>Porównaj z &amp;radiotelefonem...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the radio and list where it differs from the document; the document stays as it is
Compare with radio</source>
        <translation>Odczytuje radiotelefon i wyświetla różnice względem dokumentu; dokument pozostaje bez zmian
Porównaj z radiotelefonem</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Compare with &amp;file...</source>
        <translation>Porównaj z &amp;plikiem...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List where a program file differs from the document
Compare with file</source>
        <translation>Wyświetla różnice między plikiem programu a dokumentem
Porównaj z plikiem</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit Channel	Ctrl+G</source>
        <translation>&amp;Edytuj kanał	Ctrl+G</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit channel Data 
Edit</source>
        <translation>Edytuje dane kanałów
Edytuj</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>On Line Power Set(&amp;Y)	Ctrl+T</source>
        <translation>Ustawianie &amp;mocy online	Ctrl+T</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Debug TX Power,Squelch Level,Low Power Alert on line</source>
        <translation>Ustawianie mocy nadawania, poziomu blokady szumów i ostrzeżenia o niskim napięciu baterii online</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>COM1(&amp;P)	Ctrl+C</source>
        <translation>COM&amp;1	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com1</source>
        <translation>Wybierz COM1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM2(&amp;Q)	Ctrl+D</source>
        <translation>COM&amp;2	Ctrl+D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com2</source>
        <translation>Wybierz COM2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM3(&amp;S)	Ctrl+E</source>
        <translation>COM&amp;3	Ctrl+E</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com3</source>
        <translation>Wybierz COM3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM4(&amp;T	Ctrl+F</source>
        <translation>COM&amp;4	Ctrl+F</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com4</source>
        <translation>Wybierz COM4</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Other ....</source>
        <translation>&amp;Inny...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose other Com Port</source>
        <translation>Wybierz inny port COM</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Verify after write</source>
        <translation>&amp;Weryfikuj po zapisie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the radio back after a write and compare it with what was written
Verify</source>
        <translation>Po zapisie odczytuje radiotelefon ponownie i porównuje go z zapisanymi danymi
Weryfikuj</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Toolbar(&amp;T)</source>
        <translation>&amp;Pasek narzędzi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Pokazuje lub ukrywa pasek narzędzi
Pasek narzędzi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Status Bar(&amp;S)</source>
        <translation>Pasek &amp;stanu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Pokazuje lub ukrywa pasek stanu
Pasek stanu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Language(&amp;L)</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the language of the window
Language</source>
        <translation>Wybór języka okna
Język</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Help Content(&amp;H)</source>
        <translation>&amp;Tematy pomocy</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About Me(&amp;A)...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display the version,copyright of this software 
 about</source>
        <translation>Wyświetla wersję i prawa autorskie tego programu
O programie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help List</source>
        <translation>Spis tematów pomocy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List the catalog of help 
Help List</source>
        <translation>Wyświetla spis tematów pomocy
Spis tematów pomocy</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-10"/>
        <location filename="../src/gui/app/window_commands.cpp" line="+3"/>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <location filename="../src/gui/app/window_commands.cpp" line="+1"/>
        <source>Show the help about current task
help</source>
        <translation>Wyświetla pomoc dotyczącą bieżącego zadania
Pomoc</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>What&apos;s This</source>
        <translation>Co to jest?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the context of help
help</source>
        <translation>Wyświetla pomoc kontekstową
Pomoc</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>File(&amp;F)</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit(&amp;E)</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program(&amp;P)</source>
        <translation>P&amp;rogramowanie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup(&amp;S)</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View(&amp;V)</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help(&amp;H)</source>
        <translation>Pomo&amp;c</translation>
    </message>
</context>
</TS>
