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
</TS>
