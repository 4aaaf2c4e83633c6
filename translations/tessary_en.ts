<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CoreMessages</name>
    <message numerus="yes">
        <source>the file has only %n bytes, a font header needs 14</source>
        <translation>
            <numerusform>the file has only %n byte, a font header needs 14</numerusform>
            <numerusform>the file has only %n bytes, a font header needs 14</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 … and %n more</source>
        <translation>
            <numerusform>%1 … and %n more</numerusform>
            <numerusform>%1 … and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no image: %1</source>
        <translation>
            <numerusform>%n file matched no image: %1</numerusform>
            <numerusform>%n files matched no image: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no font sheet: %1</source>
        <translation>
            <numerusform>%n file matched no font sheet: %1</numerusform>
            <numerusform>%n files matched no font sheet: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no image or font sheet: %1</source>
        <translation>
            <numerusform>%n file matched no image or font sheet: %1</numerusform>
            <numerusform>%n files matched no image or font sheet: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n pictures.</source>
        <translation>
            <numerusform>Imported %n picture.</numerusform>
            <numerusform>Imported %n pictures.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n pictures from %1.</source>
        <translation>
            <numerusform>Imported %n picture from %1.</numerusform>
            <numerusform>Imported %n pictures from %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were the same as the picture already there: %1</source>
        <translation>
            <numerusform>%n file was the same as the picture already there: %1</numerusform>
            <numerusform>%n files were the same as the picture already there: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were refused:</source>
        <translation>
            <numerusform>%n file was refused:</numerusform>
            <numerusform>%n files were refused:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… and %n more</numerusform>
            <numerusform>… and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries were skipped, as they are no files: %1</source>
        <translation>
            <numerusform>%n entry was skipped, as it is no file: %1</numerusform>
            <numerusform>%n entries were skipped, as they are no files: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the file has only %n bytes, a .tga header needs 18</source>
        <translation>
            <numerusform>the file has only %n byte, a .tga header needs 18</numerusform>
            <numerusform>the file has only %n bytes, a .tga header needs 18</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tessary has finished it, so all %n files it was replacing now hold the changes.</source>
        <translation>
            <numerusform>Tessary has finished it, so the %n file it was replacing now holds the changes.</numerusform>
            <numerusform>Tessary has finished it, so all %n files it was replacing now hold the changes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tessary has put the earlier files back, but %n files that did not exist before it keep the new content: %1.</source>
        <translation>
            <numerusform>Tessary has put the earlier files back, but %n file that did not exist before it keeps the new content: %1.</numerusform>
            <numerusform>Tessary has put the earlier files back, but %n files that did not exist before it keep the new content: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unfinished files</source>
        <translation>
            <numerusform>%n unfinished file</numerusform>
            <numerusform>%n unfinished files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n originals</source>
        <translation>
            <numerusform>%n original</numerusform>
            <numerusform>%n originals</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>every picture that differs from the game&apos;s original is one an installed mod set (%n), and a package holds only your own changes unless you include the mods&apos; pictures</source>
        <translation>
            <numerusform>every picture that differs from the game&apos;s original is one an installed mod set (%n), and a package holds only your own changes unless you include the mods&apos; pictures</numerusform>
            <numerusform>every picture that differs from the game&apos;s original is one an installed mod set (%n), and a package holds only your own changes unless you include the mods&apos; pictures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its central directory lists %1 of the %n entries it says it holds</source>
        <translation>
            <numerusform>its central directory lists %1 of the %n entry it says it holds</numerusform>
            <numerusform>its central directory lists %1 of the %n entries it says it holds</numerusform>
        </translation>
    </message>
</context>
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
    <message numerus="yes">
        <source>Saved %n pictures as the mod package %1:
%2</source>
        <translation>
            <numerusform>Saved %n picture as the mod package %1:
%2</numerusform>
            <numerusform>Saved %n pictures as the mod package %1:
%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n pictures go back to what lies below: %1</source>
        <translation>
            <numerusform>
%n picture goes back to what lies below: %1</numerusform>
            <numerusform>
%n pictures go back to what lies below: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n pictures stay as they are, covered since: %1</source>
        <translation>
            <numerusform>
%n picture stays as it is, covered since: %1</numerusform>
            <numerusform>
%n pictures stay as they are, covered since: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images saved</source>
        <translation>
            <numerusform>%n image saved</numerusform>
            <numerusform>%n images saved</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormInstallPreview</name>
    <message numerus="yes">
        <source>%n pictures change</source>
        <translation>
            <numerusform>%n picture changes</numerusform>
            <numerusform>%n pictures change</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n are the same already</source>
        <translation>
            <numerusform>; %n is the same already</numerusform>
            <numerusform>; %n are the same already</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormModPackage</name>
    <message numerus="yes">
        <source>Include %n pictures of installed mods, crediting their mods</source>
        <translation>
            <numerusform>Include %n picture of an installed mod, crediting its mod</numerusform>
            <numerusform>Include %n pictures of installed mods, crediting their mods</numerusform>
        </translation>
    </message>
</context>
</TS>
