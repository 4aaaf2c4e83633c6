<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>TForm1</name>
    <message numerus="yes">
        <source>import of %n pictures</source>
        <translation>
            <numerusform>import of %n picture</numerusform>
            <numerusform>import of %n pictures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures imported</source>
        <translation>
            <numerusform>%n picture imported</numerusform>
            <numerusform>%n pictures imported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images and %1 font sheets loaded</source>
        <translation>
            <numerusform>%n image and %1 font sheets loaded</numerusform>
            <numerusform>%n images and %1 font sheets loaded</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files written to the game folder</source>
        <translation>
            <numerusform>%n file written to the game folder</numerusform>
            <numerusform>%n files written to the game folder</numerusform>
        </translation>
    </message>
</context>
</TS>
