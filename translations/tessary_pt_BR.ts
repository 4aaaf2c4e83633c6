<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CoreMessages</name>
    <message>
        <source>file not found</source>
        <translation>arquivo não encontrado</translation>
    </message>
    <message>
        <source>folder not found</source>
        <translation>pasta não encontrada</translation>
    </message>
    <message>
        <source>access denied</source>
        <translation>acesso negado</translation>
    </message>
    <message>
        <source>reading beyond the end of the file</source>
        <translation>leitura além do fim do arquivo</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>disco cheio</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>o sistema de arquivos é somente leitura</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>is a file, not a folder</source>
        <translation>é um arquivo, não uma pasta</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>is not a regular file (a pipe or a device)</source>
        <translation>não é um arquivo comum (um pipe ou um dispositivo)</translation>
    </message>
    <message>
        <source>is a symbolic link, which Tessary does not follow</source>
        <translation>é um link simbólico, que o Tessary não segue</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>o caminho é longo demais</translation>
    </message>
    <message>
        <source>the file is in use by another program</source>
        <translation>o arquivo está em uso por outro programa</translation>
    </message>
    <message>
        <source>nothing was changed</source>
        <translation>nada foi alterado</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>nada foi gravado</translation>
    </message>
    <message>
        <source>error code %1 (%2)</source>
        <translation>código de erro %1 (%2)</translation>
    </message>
    <message>
        <source>another program changed this file since Tessary loaded them: %1</source>
        <translation>outro programa alterou este arquivo desde que o Tessary o carregou: %1</translation>
    </message>
    <message>
        <source>another program changed these files since Tessary loaded them: %1</source>
        <translation>outro programa alterou estes arquivos desde que o Tessary os carregou: %1</translation>
    </message>
    <message>
        <source>another program changed the record of installed mods since Tessary read it</source>
        <translation>outro programa alterou o registro de mods instalados desde que o Tessary o leu</translation>
    </message>
    <message>
        <source>another program is writing this game folder</source>
        <translation>outro programa está gravando nesta pasta do jogo</translation>
    </message>
    <message>
        <source>another program is reading this game folder</source>
        <translation>outro programa está lendo esta pasta do jogo</translation>
    </message>
    <message>
        <source>try again when it has finished</source>
        <translation>tente de novo quando ele terminar</translation>
    </message>
    <message>
        <source>try again in a moment</source>
        <translation>tente de novo em instantes</translation>
    </message>
    <message>
        <source>the files already replaced were put back, so nothing was changed</source>
        <translation>os arquivos já substituídos foram restaurados, então nada foi alterado</translation>
    </message>
    <message>
        <source>the game folder is not loaded completely</source>
        <translation>a pasta do jogo não foi carregada por completo</translation>
    </message>
    <message>
        <source>holds fewer pixels than its byte count</source>
        <translation>contém menos pixels do que indica a contagem de bytes</translation>
    </message>
    <message>
        <source>this program reads no .png files</source>
        <translation>este programa não lê arquivos .png</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>o arquivo compactado está danificado</translation>
    </message>
    <message>
        <source>there is no menu image number %1</source>
        <translation>não existe a imagem de menu número %1</translation>
    </message>
    <message>
        <source>there is no font number %1</source>
        <translation>não existe a fonte número %1</translation>
    </message>
    <message>
        <source>%1 true-colour .tga files can&apos;t be read</source>
        <translation>arquivos .tga true color de %1 não podem ser lidos</translation>
    </message>
    <message>
        <source>save the picture with 24 or 32 bits per pixel</source>
        <translation>salve a imagem com 24 ou 32 bits por pixel</translation>
    </message>
    <message>
        <source>Sorry but Tessary can&apos;t read RLE encoded .tga files.</source>
        <translation>Desculpe, o Tessary não consegue ler arquivos .tga com compressão RLE.</translation>
    </message>
</context>
<context>
    <name>ExternalEditor</name>
    <message>
        <source>No program opens .png files on this system; choose one with &quot;Choose image editor…&quot;.</source>
        <translation>Nenhum programa abre arquivos .png neste sistema; escolha um com “Escolher editor de imagens…”.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be started.</source>
        <translation>%1 não pode ser iniciado.</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>the value could not be recorded</source>
        <translation>não foi possível gravar o valor</translation>
    </message>
    <message>
        <source>Please choose your GP4 folder</source>
        <translation>Escolha a sua pasta do GP4</translation>
    </message>
    <message>
        <source>Sorry but this is not a valid GP4.exe file. Image folder can&apos;t be found</source>
        <translation>Desculpe, este não é um arquivo GP4.exe válido. A pasta de imagens não foi encontrada</translation>
    </message>
    <message>
        <source>The game folder is recorded in Tessary&apos;s settings (%1), as %2 can&apos;t be changed (%3).</source>
        <translation>A pasta do jogo foi gravada nas configurações do Tessary (%1), pois %2 não pode ser alterado (%3).</translation>
    </message>
    <message>
        <source>%1: the game folder can&apos;t be recorded (%2)</source>
        <translation>%1: a pasta do jogo não pode ser gravada (%2)</translation>
    </message>
    <message>
        <source>; %1: neither (%2)</source>
        <translation>; %1: também não (%2)</translation>
    </message>
</context>
<context>
    <name>ModViews</name>
    <message>
        <source>a Tessary mod package</source>
        <translation>um pacote de mod do Tessary</translation>
    </message>
    <message>
        <source>laid out as the game folder</source>
        <translation>organizado como a pasta do jogo</translation>
    </message>
    <message>
        <source>a set of pictures</source>
        <translation>um conjunto de imagens</translation>
    </message>
    <message>
        <source>By %1, </source>
        <translation>Por %1, </translation>
    </message>
    <message>
        <source>, from %1.</source>
        <translation>, de %1.</translation>
    </message>
    <message>
        <source>the same as the picture there now</source>
        <translation>igual à imagem atual</translation>
    </message>
    <message>
        <source>replaces your change not yet applied
(uninstalling the mod gives it back)</source>
        <translation>substitui sua alteração ainda não aplicada
(desinstalar o mod a devolve)</translation>
    </message>
    <message>
        <source>replaces your own picture
(uninstalling the mod gives it back)</source>
        <translation>substitui sua própria imagem
(desinstalar o mod a devolve)</translation>
    </message>
    <message>
        <source>covers the picture of the mod &quot;%1&quot;</source>
        <translation>cobre a imagem do mod “%1”</translation>
    </message>
    <message>
        <source>an edit</source>
        <translation>uma edição</translation>
    </message>
    <message>
        <source>%1 (by %2)</source>
        <translation>%1 (por %2)</translation>
    </message>
</context>
<context>
    <name>PictureTip</name>
    <message>
        <source>Changed in Tessary, not yet applied</source>
        <translation>Alterada no Tessary, ainda não aplicada</translation>
    </message>
    <message>
        <source>As the game folder holds it</source>
        <translation>Como na pasta do jogo</translation>
    </message>
    <message>
        <source>Differs from the game&apos;s original</source>
        <translation>Diferente do original do jogo</translation>
    </message>
    <message>
        <source>The game&apos;s original</source>
        <translation>O original do jogo</translation>
    </message>
    <message>
        <source>Can&apos;t be compared with the game&apos;s original: %1</source>
        <translation>Não pode ser comparada com o original do jogo: %1</translation>
    </message>
    <message>
        <source>Image %1 (%1.gpi)</source>
        <translation>Imagem %1 (%1.gpi)</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 bytes</source>
        <translation>%1 × %2 pixels, %3 bytes</translation>
    </message>
    <message>
        <source>Font sheet %1 (%2)</source>
        <translation>Folha de fonte %1 (%2)</translation>
    </message>
    <message>
        <source>256 × 256 pixels, %1 bytes</source>
        <translation>256 × 256 pixels, %1 bytes</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Pictures (*.tga *.png)</source>
        <translation>Imagens (*.tga *.png)</translation>
    </message>
    <message>
        <source>Please select a folder</source>
        <translation>Selecione uma pasta</translation>
    </message>
    <message>
        <source>Please choose a folder where all .tga files will be saved.</source>
        <translation>Escolha a pasta onde todos os arquivos .tga serão salvos.</translation>
    </message>
    <message>
        <source>Please choose the folder that holds the pictures to load.</source>
        <translation>Escolha a pasta que contém as imagens a carregar.</translation>
    </message>
    <message>
        <source>Load all images from a folder…</source>
        <translation>Carregar todas as imagens de uma pasta…</translation>
    </message>
    <message>
        <source>Load all font sheets from a folder…</source>
        <translation>Carregar todas as folhas de fonte de uma pasta…</translation>
    </message>
    <message>
        <source>Revert to the game folder&apos;s file</source>
        <translation>Voltar ao arquivo da pasta do jogo</translation>
    </message>
    <message>
        <source>Restore the game&apos;s original</source>
        <translation>Restaurar o original do jogo</translation>
    </message>
    <message>
        <source>Edit in image editor…</source>
        <translation>Editar no editor de imagens…</translation>
    </message>
    <message>
        <source>Choose image editor…</source>
        <translation>Escolher editor de imagens…</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Save changes as a mod package…</source>
        <translation>Salvar alterações como pacote de mod…</translation>
    </message>
    <message>
        <source>Install mod…</source>
        <translation>Instalar mod…</translation>
    </message>
    <message>
        <source>Installed mods…</source>
        <translation>Mods instalados…</translation>
    </message>
    <message>
        <source>Tessary mod package (*.zip)</source>
        <translation>Pacote de mod do Tessary (*.zip)</translation>
    </message>
    <message>
        <source>Mods (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tbz2 *.tar.xz *.txz)</source>
        <translation>Mods (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tbz2 *.tar.xz *.txz)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Salvar como:</translation>
    </message>
    <message>
        <source>Programs (*.exe);;All files (*)</source>
        <translation>Programas (*.exe);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Choose the image editor</source>
        <translation>Escolher o editor de imagens</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>access denied</source>
        <translation>acesso negado</translation>
    </message>
    <message>
        <source>the file is not a valid settings file</source>
        <translation>o arquivo não é um arquivo de configurações válido</translation>
    </message>
</context>
<context>
    <name>TChannelToggle</name>
    <message>
        <source>Alpha Layer</source>
        <translation>Canal alfa</translation>
    </message>
    <message>
        <source>RGB Layers</source>
        <translation>Canais RGB</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Not enough memory to finish the command.</source>
        <translation>Memória insuficiente para concluir o comando.</translation>
    </message>
    <message>
        <source>Tessary closes when this work ends…</source>
        <translation>O Tessary fechará quando este trabalho terminar…</translation>
    </message>
    <message>
        <source>closing Tessary</source>
        <translation>fechar o Tessary</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Desfazer: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer: %1</translation>
    </message>
    <message>
        <source>The %1 can&apos;t be undone: it is larger than the undo history holds</source>
        <translation>%1 não pode ser desfeito: é maior do que o histórico comporta</translation>
    </message>
    <message>
        <source>revert of %1</source>
        <translation>reversão de %1</translation>
    </message>
    <message>
        <source>restore of the original of %1</source>
        <translation>restauração do original de %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Desfeito: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Refeito: %1</translation>
    </message>
    <message>
        <source>The image index has changes</source>
        <translation>O índice de imagens tem alterações</translation>
    </message>
    <message>
        <source>These pictures have changes</source>
        <translation>Estas imagens têm alterações</translation>
    </message>
    <message>
        <source>%1 not yet applied to the game folder.

Apply them before %2?</source>
        <translation>%1 ainda não aplicadas à pasta do jogo.

Aplicá-las antes de %2?</translation>
    </message>
    <message>
        <source>the system&apos;s program for .png files</source>
        <translation>o programa do sistema para arquivos .png</translation>
    </message>
    <message>
        <source>&quot;Edit in image editor…&quot; opens pictures in %1.

Open them in:</source>
        <translation>“Editar no editor de imagens…” abre as imagens em %1.

Abri-las em:</translation>
    </message>
    <message>
        <source>The system&apos;s program</source>
        <translation>O programa do sistema</translation>
    </message>
    <message>
        <source>A program of my choice…</source>
        <translation>Um programa da minha escolha…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>edit of %1 in the image editor</source>
        <translation>edição de %1 no editor de imagens</translation>
    </message>
    <message>
        <source>%1 read back from the image editor</source>
        <translation>%1 lido de volta do editor de imagens</translation>
    </message>
    <message>
        <source>import</source>
        <translation>importação</translation>
    </message>
    <message>
        <source>No picture imported</source>
        <translation>Nenhuma imagem importada</translation>
    </message>
    <message>
        <source>1 picture imported</source>
        <translation>1 imagem importada</translation>
    </message>
    <message>
        <source>%1 pictures imported</source>
        <translation>%1 imagens importadas</translation>
    </message>
    <message>
        <source>Apply All Changes</source>
        <translation>Aplicar tudo</translation>
    </message>
    <message>
        <source>Change GP4 Path</source>
        <translation>Pasta do GP4…</translation>
    </message>
    <message>
        <source>Save all images to .tga</source>
        <translation>Salvar tudo em .tga</translation>
    </message>
    <message>
        <source>Image Size :</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>Thumbnail Size:</source>
        <translation>Miniaturas:</translation>
    </message>
    <message>
        <source>Images Workshop</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Fonts Workshop</source>
        <translation>Fontes</translation>
    </message>
    <message>
        <source>Load image from a .tga file</source>
        <translation>Carregar imagem de um arquivo .tga</translation>
    </message>
    <message>
        <source>Save image to a .tga file</source>
        <translation>Salvar imagem em um arquivo .tga</translation>
    </message>
    <message>
        <source>My menu mod</source>
        <translation>Meu mod de menu</translation>
    </message>
    <message>
        <source>Saved %1 as the mod package %2:
%3</source>
        <translation>%1 salvas como o pacote de mod %2:
%3</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 imagem</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 imagens</translation>
    </message>
    <message>
        <source>installation of %1</source>
        <translation>instalação de %1</translation>
    </message>
    <message>
        <source>uninstalling of %1</source>
        <translation>desinstalação de %1</translation>
    </message>
    <message>
        <source>The mod &quot;%1&quot; is uninstalled as changes to apply; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>O mod “%1” foi desinstalado como alterações a aplicar; “Aplicar tudo” as grava na pasta do jogo.</translation>
    </message>
    <message>
        <source>
%1 back to what lies below: %2</source>
        <translation>
%1 ao que está por baixo: %2</translation>
    </message>
    <message>
        <source>1 picture goes</source>
        <translation>1 imagem volta</translation>
    </message>
    <message>
        <source>%1 pictures go</source>
        <translation>%1 imagens voltam</translation>
    </message>
    <message>
        <source>
%1 as it is, covered since: %2</source>
        <translation>
%1 como está, coberta desde então: %2</translation>
    </message>
    <message>
        <source>1 picture stays</source>
        <translation>1 imagem fica</translation>
    </message>
    <message>
        <source>%1 pictures stay</source>
        <translation>%1 imagens ficam</translation>
    </message>
    <message>
        <source>changing the game folder</source>
        <translation>trocar a pasta do jogo</translation>
    </message>
    <message>
        <source>%1 images and %2 font sheets loaded</source>
        <translation>%1 imagens e %2 folhas de fonte carregadas</translation>
    </message>
    <message>
        <source>Another program changed these files since Tessary loaded them:
%1

Replace them with your changes?</source>
        <translation>Outro programa alterou estes arquivos desde que o Tessary os carregou:
%1

Substituí-los pelas suas alterações?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Nothing to write: no picture has changed</source>
        <translation>Nada a gravar: nenhuma imagem foi alterada</translation>
    </message>
    <message>
        <source>1 file written to the game folder</source>
        <translation>1 arquivo gravado na pasta do jogo</translation>
    </message>
    <message>
        <source>%1 files written to the game folder</source>
        <translation>%1 arquivos gravados na pasta do jogo</translation>
    </message>
    <message>
        <source>Another program changed these files since Tessary loaded them; they were left as they are:
%1</source>
        <translation>Outro programa alterou estes arquivos desde que o Tessary os carregou; eles foram deixados como estão:
%1</translation>
    </message>
    <message>
        <source>%1: the settings can&apos;t be written</source>
        <translation>%1: as configurações não podem ser gravadas</translation>
    </message>
    <message>
        <source>1 image saved</source>
        <translation>1 imagem salva</translation>
    </message>
    <message>
        <source>%1 images saved</source>
        <translation>%1 imagens salvas</translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation>importação de %1</translation>
    </message>
</context>
<context>
    <name>TFormInstallPreview</name>
    <message>
        <source>1 picture changes</source>
        <translation>1 imagem muda</translation>
    </message>
    <message>
        <source>%1 pictures change</source>
        <translation>%1 imagens mudam</translation>
    </message>
    <message>
        <source>; 1 is the same already</source>
        <translation>; 1 já é igual</translation>
    </message>
    <message>
        <source>; %1 are the same already</source>
        <translation>; %1 já são iguais</translation>
    </message>
    <message>
        <source>. Installing makes these changes in Tessary; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>. Instalar faz estas alterações no Tessary; “Aplicar tudo” as grava na pasta do jogo.</translation>
    </message>
    <message>
        <source>Install the mod &quot;%1&quot;?</source>
        <translation>Instalar o mod “%1”?</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
</context>
<context>
    <name>TFormInstalledMods</name>
    <message>
        <source>No mod is installed in this game folder.</source>
        <translation>Nenhum mod está instalado nesta pasta do jogo.</translation>
    </message>
    <message>
        <source>Installed mods, the last installed at the bottom:</source>
        <translation>Mods instalados, o último instalado embaixo:</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Covered</source>
        <translation>Cobertas</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Installed %1 from %2.</source>
        <translation>Instalado em %1 de %2.</translation>
    </message>
    <message>
        <source>None of its pictures is covered by a later mod or an edit.</source>
        <translation>Nenhuma de suas imagens está coberta por um mod posterior ou uma edição.</translation>
    </message>
    <message>
        <source>Covered since: %1. Uninstalling leaves these as they are.</source>
        <translation>Cobertas desde então: %1. Desinstalar as deixa como estão.</translation>
    </message>
</context>
<context>
    <name>TFormModPackage</name>
    <message>
        <source>Every picture that differs from the game&apos;s original goes into the package, with your changes not yet applied.</source>
        <translation>Cada imagem diferente do original do jogo entra no pacote, inclusive suas alterações ainda não aplicadas.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Salvar…</translation>
    </message>
</context>
<context>
    <name>TFormPreview</name>
    <message>
        <source>Tessary&apos;s picture</source>
        <translation>Imagem do Tessary</translation>
    </message>
    <message>
        <source>Game folder&apos;s file</source>
        <translation>Arquivo da pasta do jogo</translation>
    </message>
    <message>
        <source>Game&apos;s original</source>
        <translation>Original do jogo</translation>
    </message>
    <message>
        <source>Game folder</source>
        <translation>Pasta do jogo</translation>
    </message>
    <message>
        <source>Show the game folder&apos;s file (hold Space)</source>
        <translation>Mostrar o arquivo da pasta do jogo (segure Espaço)</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Show the game&apos;s original (hold Shift + Space)</source>
        <translation>Mostrar o original do jogo (segure Shift + Espaço)</translation>
    </message>
    <message>
        <source>x %1, y %2</source>
        <translation>x %1, y %2</translation>
    </message>
    <message>
        <source>R %1 G %2 B %3 A %4</source>
        <translation>R %1 G %2 B %3 A %4</translation>
    </message>
    <message>
        <source>no pixel data</source>
        <translation>sem dados de pixels</translation>
    </message>
</context>
</TS>
