<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>zem::gui::WindowCommands</name>
    <message>
        <source>File(&amp;F)</source>
        <translation>Datei(&amp;D)</translation>
    </message>
</context>
<context>
    <name>ChannelTable</name>
    <message><source>Receive</source><translation>Empfang</translation></message>
    <message><source>High</source><translation>Hoch</translation></message>
    <message><source>Low</source><translation>Niedrig</translation></message>
    <message><source>Other...</source><translation>Andere...</translation></message>
</context>
<context>
    <name>RadioSettings</name>
    <message><source>Carrier</source><translation>Träger</translation></message>
</context>
<context>
    <name>zem::Link</name>
    <message>
        <source>The radio does not hold what was written. First difference: %1 is %2 in the radio, %3 in the program.
The program has kept its data: write again, or check the radio and the cable.</source>
        <translation>Erster Unterschied: %1 – im Programm %3, im Funkgerät %2.</translation>
    </message>
    <message>
        <source>Communication error ,Please check all the connections and the radio power</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message><source>the radio did not answer the wake-up %1 times (%2)</source><translation>%2, %1 Weckversuche</translation></message>
    <message><source>no acknowledgement from the radio</source><translation>Keine Bestätigung vom Funkgerät</translation></message>
    <message><source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source><translation>Anschluss nicht zu öffnen</translation></message>
    <message><source>%1: not a serial port</source><translation>kein serieller Anschluss: %1</translation></message>
</context>
<context>
    <name>zem::gui::CKivuDoc</name>
    <message><source>The plan %1 was not opened:</source><translation>Der Plan %1 wurde nicht geöffnet:</translation></message>
</context>
<context>
    <name>zem::Plan</name>
    <message><source>line %1, column %2, %3: %4</source><translation>%3 in Zeile %1, Spalte %2: %4</translation></message>
    <message><source>unknown key</source><translation>unbekannter Schlüssel</translation></message>
    <message><source>the key %1 is missing</source><translation>der Schlüssel %1 fehlt</translation></message>
</context>
<context>
    <name>zem::Compare</name>
    <message><source>channel %1 %2</source><translation>Kanal %1 %2</translation></message>
</context>
<context>
    <name>zem::Channels</name>
    <message><source>must be one of %1</source><translation>muss eins von %1 sein</translation></message>
</context>
</TS>
