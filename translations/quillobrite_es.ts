<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: quillobrite [OPTION]...
</source>
        <translation>Uso: quillobrite [OPCIÓN]...
</translation>
    </message>
    <message>
        <source>A spelling game for grade-school children, played by a parent and a child
at one computer.

  -h, --help     show this help and exit
  -V, --version  show the version and exit

The options every Qt program takes work too, such as -display, -platform,
-style and -reverse.
</source>
        <translation>Un juego de ortografía para niños de primaria, para jugar un adulto y un niño
en un mismo ordenador.

  -h, --help     muestra esta ayuda y sale
  -V, --version  muestra la versión y sale

También sirven las opciones que acepta todo programa Qt, como -display,
-platform, -style y -reverse.
</translation>
    </message>
    <message>
        <source>Try &apos;quillobrite --help&apos; for more.
</source>
        <translation>Prueba «quillobrite --help» para saber más.
</translation>
    </message>
    <message>
        <source>quillobrite: unknown option %1
</source>
        <translation>quillobrite: opción desconocida %1
</translation>
    </message>
</context>
<context>
    <name>ListFormat</name>
    <message numerus="yes">
        <source>&quot;%1&quot; was read as a text list of %n word(s).</source>
        <translation>
            <numerusform>«%1» se ha leído como una lista de texto de %n palabra.</numerusform>
            <numerusform>«%1» se ha leído como una lista de texto de %n palabras.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListTool</name>
    <message>
        <source>Usage: quillobrite-list make [--force] WORDS.txt LIST.dat
       quillobrite-list show LIST.dat
       quillobrite-list check LIST.dat
</source>
        <translation>Uso: quillobrite-list make [--force] PALABRAS.txt LISTA.dat
     quillobrite-list show LISTA.dat
     quillobrite-list check LISTA.dat
</translation>
    </message>
    <message>
        <source>Make, show and check the word-list files Quillobrite plays.

  make WORDS.txt LIST.dat  write the words of a text file into a new list
                           file: one word per line (commas, tabs and
                           semicolons also separate words; a line starting
                           with # is a comment). It is read as UTF-8; a
                           file that is not UTF-8 but whose every byte is
                           a character of Windows-1252 (Latin-1 text) is
                           read as Windows-1252, and the tool says so; any
                           other is refused whole, naming its first line
                           that is not UTF-8: no word is ever cut short
  show LIST.dat            print the words of a list file, one per line
  check LIST.dat           report what the game would refuse or never read,
                           and note the words the spelling dictionary of
                           the list&apos;s language does not know (names and
                           new words are no fault: they leave the exit
                           status as it is)

  -f, --force    write over LIST.dat; leave out the words a list cannot
                 store (over 14 letters, a character outside Windows-1252,
                 a word already listed) instead of writing nothing
  -h, --help     show this help
  -V, --version  show the version

Exit status: 0 all well, 1 problems found, 2 usage or input/output error.
</source>
        <translation>Crea, muestra y comprueba los archivos de listas de palabras de Quillobrite.

  make PALABRAS.txt LISTA.dat  escribe las palabras de un archivo de texto en
                               un archivo de lista nuevo: una palabra por
                               línea (las comas, los tabuladores y los puntos
                               y coma también separan palabras; una línea que
                               empieza por # es un comentario). Se lee como
                               UTF-8; un archivo que no es UTF-8 pero cuyos
                               bytes son todos caracteres de Windows-1252
                               (texto Latin-1) se lee como Windows-1252, y la
                               herramienta lo dice; cualquier otro se rechaza
                               entero, indicando su primera línea que no es
                               UTF-8: nunca se corta ninguna palabra
  show LISTA.dat               muestra las palabras de un archivo de lista,
                               una por línea
  check LISTA.dat              informa de lo que el juego rechazaría o nunca
                               leería, y señala las palabras que el
                               diccionario del idioma de la lista no conoce
                               (los nombres y las palabras nuevas no son un
                               fallo: no cambian el estado de salida)

  -f, --force    sobrescribe LISTA.dat; deja fuera las palabras que una lista
                 no puede guardar (más de 14 letras, un carácter fuera de
                 Windows-1252, una palabra ya incluida) en vez de no escribir
                 nada
  -h, --help     muestra esta ayuda
  -V, --version  muestra la versión

Estado de salida: 0 todo bien, 1 se encontraron problemas, 2 error de uso o de
entrada/salida.
</translation>
    </message>
    <message>
        <source>quillobrite-list: %1</source>
        <translation>quillobrite-list: %1</translation>
    </message>
    <message>
        <source>Try &apos;quillobrite-list --help&apos; for more.
</source>
        <translation>Prueba «quillobrite-list --help» para saber más.
</translation>
    </message>
    <message>
        <source>%1 is longer than %2 letters</source>
        <translation>%1 tiene más de %2 letras</translation>
    </message>
    <message>
        <source>%1 holds a character a list cannot store (outside Windows-1252)</source>
        <translation>%1 tiene un carácter que una lista no puede guardar (fuera de Windows-1252)</translation>
    </message>
    <message>
        <source>%1 is listed already</source>
        <translation>%1 ya está en la lista</translation>
    </message>
    <message>
        <source>could not be written (%1)</source>
        <translation>no se pudo escribir (%1)</translation>
    </message>
    <message>
        <source>exists already; --force writes over it</source>
        <translation>ya existe; --force lo sobrescribe</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>not UTF-8: read as Windows-1252</source>
        <translation>no es UTF-8: leído como Windows-1252</translation>
    </message>
    <message numerus="yes">
        <source>not written: %n word(s) cannot be stored; --force leaves them out</source>
        <translation>
            <numerusform>no escrito: %n palabra no se puede guardar; --force la deja fuera</numerusform>
            <numerusform>no escrito: %n palabras no se pueden guardar; --force las deja fuera</numerusform>
        </translation>
    </message>
    <message>
        <source>holds no words; nothing written</source>
        <translation>no tiene palabras; no se ha escrito nada</translation>
    </message>
    <message>
        <source>holds more than %1 words; nothing written</source>
        <translation>tiene más de %1 palabras; no se ha escrito nada</translation>
    </message>
    <message numerus="yes">
        <source>only %n word(s): records %1 to %2 stay blank, as the game&apos;s editor leaves them</source>
        <translation>
            <numerusform>solo %n palabra: los registros %1 a %2 quedan en blanco, como los deja el editor del juego</numerusform>
            <numerusform>solo %n palabras: los registros %1 a %2 quedan en blanco, como los deja el editor del juego</numerusform>
        </translation>
    </message>
    <message>
        <source>past record %1, never read</source>
        <translation>después del registro %1, nunca se lee</translation>
    </message>
    <message>
        <source>control characters: the game refuses the file</source>
        <translation>caracteres de control: el juego rechaza el archivo</translation>
    </message>
    <message>
        <source>blank record</source>
        <translation>registro en blanco</translation>
    </message>
    <message numerus="yes">
        <source>trailing fragment of %n byte(s), never read</source>
        <translation>
            <numerusform>fragmento final de %n byte, nunca se lee</numerusform>
            <numerusform>fragmento final de %n bytes, nunca se lee</numerusform>
        </translation>
    </message>
    <message>
        <source>holds no words: the game refuses the file</source>
        <translation>no tiene palabras: el juego rechaza el archivo</translation>
    </message>
    <message>
        <source>record %1: %2</source>
        <translation>registro %1: %2</translation>
    </message>
    <message>
        <source>no spelling dictionary for the language &quot;%1&quot;: spelling not checked</source>
        <translation>no hay diccionario para el idioma «%1»: ortografía sin comprobar</translation>
    </message>
    <message>
        <source>record %1: %2 is not in the %3 dictionary</source>
        <translation>registro %1: %2 no está en el diccionario %3</translation>
    </message>
    <message>
        <source>unknown option %1%2</source>
        <translation>opción desconocida %1%2</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se ha dado ninguna orden</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>orden desconocida %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n file name(s)</source>
        <translation>
            <numerusform>%1 necesita %n nombre de archivo</numerusform>
            <numerusform>%1 necesita %n nombres de archivo</numerusform>
        </translation>
    </message>
    <message>
        <source>--force goes with make only</source>
        <translation>--force solo va con make</translation>
    </message>
</context>
<context>
    <name>PluginProgressReport</name>
    <message>
        <source>How Are We Doing?</source>
        <translation>¿Cómo vamos?</translation>
    </message>
    <message>
        <source>The report cannot be shown: a part of the game is missing or damaged (%1). Installing the game again brings it back.</source>
        <translation>El informe no se puede mostrar: falta una parte del juego o está dañada (%1). Instalar el juego de nuevo la recupera.</translation>
    </message>
</context>
<context>
    <name>SpellingMarks</name>
    <message>
        <source>No spellings to suggest</source>
        <translation>No hay sugerencias</translation>
    </message>
</context>
<context>
    <name>SqliteStore</name>
    <message>
        <source>Progress is not being kept: the SQLite driver for Qt is not installed.</source>
        <translation>El progreso no se está guardando: el controlador SQLite de Qt no está instalado.</translation>
    </message>
    <message>
        <source>Progress is no longer being kept: the disk is full or cannot be written to.</source>
        <translation>El progreso ya no se está guardando: el disco está lleno o no se puede escribir en él.</translation>
    </message>
    <message>
        <source>Progress is not being kept: its folder cannot be written to.</source>
        <translation>El progreso no se está guardando: no se puede escribir en su carpeta.</translation>
    </message>
    <message>
        <source>Progress is not being kept: another game is using it.</source>
        <translation>El progreso no se está guardando: otro juego lo está usando.</translation>
    </message>
    <message>
        <source>Progress is not being kept: its file is damaged, and is left as it is.</source>
        <translation>El progreso no se está guardando: su archivo está dañado y se deja como está.</translation>
    </message>
    <message>
        <source>Progress is not being kept: another program&apos;s file is in its place, and is left as it is.</source>
        <translation>El progreso no se está guardando: en su lugar hay un archivo de otro programa, y se deja como está.</translation>
    </message>
    <message>
        <source>Progress is not being kept: a newer version of the game keeps it.</source>
        <translation>El progreso no se está guardando: lo guarda una versión más nueva del juego.</translation>
    </message>
    <message>
        <source>when</source>
        <translation>fecha</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>tipo</translation>
    </message>
    <message>
        <source>list</source>
        <translation>lista</translation>
    </message>
    <message>
        <source>word</source>
        <translation>palabra</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>escrito</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>test</source>
        <translation>dictado</translation>
    </message>
    <message>
        <source>test, unfinished</source>
        <translation>dictado, sin terminar</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>práctica</translation>
    </message>
    <message>
        <source>test answer</source>
        <translation>respuesta de dictado</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>dlgWhoIsPlaying</name>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Borrar…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Who Is Playing?</source>
        <translation>¿Quién juega?</translation>
    </message>
    <message>
        <source>A child&apos;s name</source>
        <translation>El nombre de un niño</translation>
    </message>
    <message>
        <source>There is already a child called %1.</source>
        <translation>Ya hay un niño que se llama %1.</translation>
    </message>
    <message>
        <source>%1 could not be added: progress is not being kept.</source>
        <translation>No se ha podido añadir a %1: el progreso no se está guardando.</translation>
    </message>
    <message>
        <source>Delete %1, and everything kept of their play? This cannot be undone.</source>
        <translation>¿Borrar a %1 y todo lo que se ha guardado de su juego? No se puede deshacer.</translation>
    </message>
</context>
<context>
    <name>frmContact</name>
    <message>
        <source>If you would like to comment on this program, make suggestions for improvement, or would like to let me know about a program either you or your family could use, write to me at:</source>
        <translation>Si quieres opinar sobre este programa, proponer mejoras o contarme qué programa os vendría bien a ti o a tu familia, escríbeme a:</translation>
    </message>
    <message>
        <source>You&apos;ll be glad you did!</source>
        <translation>¡Te alegrarás de hacerlo!</translation>
    </message>
    <message>
        <source>Give Me a Jingle!</source>
        <translation>¡Dame un toque!</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>SALIR</translation>
    </message>
</context>
<context>
    <name>frmCreateList</name>
    <message>
        <source>Add A Word</source>
        <translation>Añadir palabra</translation>
    </message>
    <message>
        <source>Remove Word</source>
        <translation>Quitar palabra</translation>
    </message>
    <message>
        <source>Make File</source>
        <translation>Crear archivo</translation>
    </message>
    <message>
        <source>I&apos;m Done!</source>
        <translation>¡Ya está!</translation>
    </message>
    <message>
        <source>Add To File</source>
        <translation>Al archivo</translation>
    </message>
    <message>
        <source>Hi there! This is where you can make your own customized list of spelling words. Just type a word in the textbox, and then click the &quot;Add A Word&quot; button. You must make your list at least ten words long.To remove a word, just click on it, and then hit the Remove button. Once you have at least ten words, click the Make File button, and give your file a name. To add your words to your file, simply click on a word, then click on the Add To File button. Then, just click the I&apos;m Done! button</source>
        <translation>¡Hola! Aquí puedes hacer tu propia lista de palabras para practicar. Escribe una palabra en la casilla y luego haz clic en el botón «Añadir palabra». Tu lista tiene que tener al menos diez palabras. Para quitar una palabra, haz clic en ella y luego en el botón Quitar. Cuando tengas al menos diez palabras, haz clic en el botón Crear archivo y ponle un nombre a tu archivo. Para añadir tus palabras al archivo, haz clic en una palabra y luego en el botón Al archivo. Después, solo tienes que hacer clic en el botón ¡Ya está!</translation>
    </message>
    <message>
        <source>New Vocab List</source>
        <translation>Nueva lista de palabras</translation>
    </message>
    <message>
        <source>The words still in your list are not in a file yet. Save them before closing?</source>
        <translation>Las palabras de tu lista aún no están en ningún archivo. ¿Guardarlas antes de cerrar?</translation>
    </message>
    <message>
        <source>Data (*.dat) | *.dat</source>
        <translation>Datos (*.dat) | *.dat</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not made: this list&apos;s words go to the file made before. Close this window to start another list.</source>
        <translation>No se ha creado «%1»: las palabras de esta lista van al archivo creado antes. Cierra esta ventana para empezar otra lista.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be made (%2).</source>
        <translation>No se pudo crear «%1» (%2).</translation>
    </message>
    <message>
        <source>%1 Every word is still in your list.</source>
        <translation>%1 Todas las palabras siguen en tu lista.</translation>
    </message>
    <message>
        <source>Choose a Word</source>
        <translation>Elige una palabra</translation>
    </message>
    <message>
        <source>Please click on a word in your list.</source>
        <translation>Haz clic en una palabra de tu lista, por favor.</translation>
    </message>
    <message>
        <source>The file holds as many words as a list can.</source>
        <translation>El archivo ya tiene tantas palabras como cabe en una lista.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2).</source>
        <translation>No se pudo escribir «%1» (%2).</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>no</source>
        <extracomment>Counting sound lists (sets of key sounds).</extracomment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>one</source>
        <translation>una</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primera</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segunda</translation>
    </message>
    <message>
        <source>third</source>
        <translation>tercera</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>cuarta</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>quinta</translation>
    </message>
    <message>
        <source>sixth</source>
        <translation>sexta</translation>
    </message>
    <message>
        <source>seventh</source>
        <translation>séptima</translation>
    </message>
    <message>
        <source>eighth</source>
        <translation>octava</translation>
    </message>
    <message>
        <source>ninth</source>
        <translation>novena</translation>
    </message>
    <message>
        <source>tenth</source>
        <translation>décima</translation>
    </message>
    <message>
        <source>the %1 sounds</source>
        <translation>los sonidos %1</translation>
    </message>
    <message>
        <source>Careful with the Escape key: with %1, it ends the game at once.</source>
        <translation>Cuidado con la tecla Escape: con %1, termina el juego al instante.</translation>
    </message>
    <message numerus="yes">
        <source>Careful with the Escape key: with %1 secret set(s) of sounds, it ends the game at once.</source>
        <translation>
            <numerusform>Cuidado con la tecla Escape: con %1 serie secreta de sonidos, termina el juego al instante.</numerusform>
            <numerusform>Cuidado con la tecla Escape: con %1 series secretas de sonidos, termina el juego al instante.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Careful with the Escape key: with %1, and with %2 other set(s), it ends the game at once.</source>
        <translation>
            <numerusform>Cuidado con la tecla Escape: con %1, y con %2 serie más, termina el juego al instante.</numerusform>
            <numerusform>Cuidado con la tecla Escape: con %1, y con %2 series más, termina el juego al instante.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %1 sound list(s).</source>
        <translation>
            <numerusform>Hay %1 lista de sonidos.</numerusform>
            <numerusform>Hay %1 listas de sonidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of them are in the Sounds menu.</source>
        <translation>
            <numerusform>%1 de ellas está en el menú Sonidos.</numerusform>
            <numerusform>%1 de ellas están en el menú Sonidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of them are in the Sounds menu, and the %2 is reached by a secret command. Can you find it? If you do, write and tell me how you did it!</source>
        <translation>
            <numerusform>%1 de ellas está en el menú Sonidos, y a la %2 se llega con una orden secreta. ¿Sabrás encontrarla? Si lo consigues, ¡escríbeme y cuéntame cómo lo hiciste!</numerusform>
            <numerusform>%1 de ellas están en el menú Sonidos, y a la %2 se llega con una orden secreta. ¿Sabrás encontrarla? Si lo consigues, ¡escríbeme y cuéntame cómo lo hiciste!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of them are in the Sounds menu, and the other %2 are reached by secret commands. Can you find them? If you do, write and tell me how you did it!</source>
        <translation>
            <numerusform>%1 de ellas está en el menú Sonidos, y a las otras %2 se llega con órdenes secretas. ¿Sabrás encontrarlas? Si lo consigues, ¡escríbeme y cuéntame cómo lo hiciste!</numerusform>
            <numerusform>%1 de ellas están en el menú Sonidos, y a las otras %2 se llega con órdenes secretas. ¿Sabrás encontrarlas? Si lo consigues, ¡escríbeme y cuéntame cómo lo hiciste!</numerusform>
        </translation>
    </message>
    <message>
        <source>Help!</source>
        <translation>¡Socorro!</translation>
    </message>
    <message>
        <source>Welcome to Quillobrite! This program helps grade-school children learn to spell in a way that really works, with bright colours, cheerful sounds and plenty of fun along the way.<byte value="xd"/>
<byte value="xd"/>
Getting started: the keyboard on the screen is only a picture, so there is no need to click on it. Your child types on the real keyboard instead. First choose your child&apos;s level from the Grade Level menu; Quillobrite then loads the word list for that grade.<byte value="xd"/>
<byte value="xd"/>
Playing: click the arrow button in the upper left corner (or press Return, or choose File &gt; Next Word) and a word appears on the screen, and the game says it aloud; click the word, or choose File &gt; Say The Word (Ctrl+S), to hear it again. Each letter your child types shows up in the upper right corner, and every letter makes a sound of its own. Other keys type what is printed on them, such as a hyphen or an apostrophe, and the space bar types the space of a word like ICE CREAM. Backspace takes back the last letter typed, and Delete clears the whole attempt. When the whole word has been typed, a button with a question mark appears in the upper left corner; click it to check the spelling. A correct spelling earns a word of praise, clears the typed word and hides one or more letters of the word on the screen, so that each new try comes a little more from memory. The fourth correct spelling brings applause and a smiley face, and the arrow button comes back for the next word. A wrong letter gets a small red dot beneath it: press the Delete key to clear the attempt and the dots, and try again. After each of the first three correct spellings the game says the word again, so it can be spelled from memory; Sounds &gt; Say The Words turns the voice off.%1<byte value="xd"/>
<byte value="xd"/>
Every word spelled right four times earns one smiley face, up to ten faces for ten words; a new list starts a fresh board. When the words run out, the window says so: choose Our Words &gt; Next List to draw ten new words from the main list.<byte value="xd"/>
<byte value="xd"/>
Spelling test: File &gt; Spelling Test (Ctrl+E) tests the words of the list in play, in a new order, the way a teacher does on a Friday. The game says each word with a sentence, but does not show it: your child types it and presses Return or the question-mark button. A right word gets a green tick; a wrong one is shown beside what was typed for a moment. Press Ctrl+S to hear a word again. At the end the game shows the score, a smiley face for each right word and the words that were missed; press Practise These to practise them.<byte value="xd"/>
<byte value="xd"/>
Who is playing: Your Words &gt; Who Is Playing? (Ctrl+I) keeps a name for each child, so that each one&apos;s answers, tests and list are kept apart; when there is more than one name, the game asks who is playing when it starts. The game remembers where each child left off and the faces earned. Our Words &gt; How Are We Doing? (Ctrl+R) shows a child&apos;s tests as a table and a chart, the words most often misspelled and the words mastered. Everything is kept on this computer only, and deleting a child deletes everything kept about them.<byte value="xd"/>
<byte value="xd"/>
Picking words by hand: Our Words &gt; Add Lots Of Words shows two lists. The list on the left is the practice list, usually ten words long, and File &gt; Next Word takes its words from there. The list on the right is the main list. Select words in the main list and press the add button to put them into the practice list; select words in the practice list and press the remove button to take them out again. Press All Done when you are finished and both lists are hidden.<byte value="xd"/>
<byte value="xd"/>
Extra words: Your Words &gt; Add A Word shows a text box and two buttons. Type a word into the box and press Add A Word to add it to the practice list; they are kept with the list in play until a new list is chosen. Press All Done to hide the text box.<byte value="xd"/>
<byte value="xd"/>
Your own lists: Your Words &gt; Custom List opens a separate window with its own instructions for making a word list of your own. Give your list a name that is easy to remember, because the only way to load it later is File &gt; Open A List.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Fun stuff: Quillobrite plays sounds while your child types. %2<byte value="xd"/>
<byte value="xd"/>
Happy spelling! I hope your child enjoys Quillobrite and grows into a keen and confident speller.<byte value="xd"/>
</source>
        <translation>¡Te damos la bienvenida a Quillobrite! Este programa ayuda a los niños de primaria a aprender ortografía de una forma que funciona de verdad, con colores vivos, sonidos alegres y mucha diversión por el camino.

Para empezar: el teclado de la pantalla es solo un dibujo, así que no hace falta hacer clic en él. Su hijo escribe en el teclado de verdad. Elija primero el curso de su hijo en el menú Curso; Quillobrite carga entonces la lista de palabras de ese curso.

Para jugar: haga clic en el botón de la flecha, arriba a la izquierda (o pulse Intro, o elija Archivo &gt; Siguiente palabra), y aparece una palabra en la pantalla, y el juego la dice en voz alta; haga clic en la palabra, o elija Archivo &gt; Decir la palabra (Ctrl+S), para oírla otra vez. Cada letra que escribe su hijo aparece arriba a la derecha, y cada letra tiene su propio sonido. Las demás teclas escriben lo que llevan marcado, como un guion o un apóstrofo, y la barra espaciadora escribe el espacio de una palabra como PEZ ESPADA. Retroceso borra la última letra escrita, y Supr borra todo el intento. Cuando la palabra está escrita entera, aparece arriba a la izquierda un botón con un signo de interrogación; haga clic en él para comprobar la ortografía. Una palabra bien escrita recibe un elogio, borra la palabra escrita y oculta una o más letras de la palabra de la pantalla, para que cada intento nuevo salga un poco más de memoria. La cuarta vez bien escrita trae aplausos y una cara sonriente, y el botón de la flecha vuelve para la siguiente palabra. Una letra equivocada recibe un puntito rojo debajo: pulse la tecla Supr para borrar el intento y los puntos, y vuelva a intentarlo. Después de cada una de las tres primeras veces bien escritas, el juego vuelve a decir la palabra, para que se pueda escribir de memoria; Sonidos &gt; Decir las palabras apaga la voz.%1

Cada palabra bien escrita cuatro veces gana una cara sonriente, hasta diez caras por diez palabras; una lista nueva empieza con el tablero vacío. Cuando se acaban las palabras, la ventana lo dice: elija Nuestras palabras &gt; Siguiente lista para sacar diez palabras nuevas de la lista principal.

Dictado: Archivo &gt; Dictado (Ctrl+E) hace un dictado con las palabras de la lista en juego, en un orden nuevo, como hace la maestra los viernes. El juego dice cada palabra con una frase, pero no la muestra: su hijo la escribe y pulsa Intro o el botón del signo de interrogación. Una palabra bien escrita recibe una marca verde; una mal escrita se muestra un momento junto a lo que se escribió. Pulse Ctrl+S para oír una palabra otra vez. Al final el juego muestra la puntuación, una cara sonriente por cada palabra bien escrita y las palabras falladas; pulse Practicar estas para practicarlas.

Quién juega: Tus palabras &gt; ¿Quién juega? (Ctrl+I) guarda un nombre para cada niño, para que las respuestas, los dictados y la lista de cada uno queden aparte; cuando hay más de un nombre, el juego pregunta quién juega al empezar. El juego recuerda dónde lo dejó cada niño y las caras ganadas. Nuestras palabras &gt; ¿Cómo vamos? (Ctrl+R) muestra los dictados de un niño en una tabla y en un gráfico, las palabras que más se escriben mal y las palabras dominadas. Todo se guarda solo en este ordenador, y borrar a un niño borra todo lo que se ha guardado de él.

Elegir las palabras a mano: Nuestras palabras &gt; Añadir muchas palabras muestra dos listas. La de la izquierda es la lista de práctica, normalmente de diez palabras, y Archivo &gt; Siguiente palabra toma de ahí sus palabras. La de la derecha es la lista principal. Seleccione palabras en la lista principal y pulse el botón de añadir para ponerlas en la lista de práctica; seleccione palabras en la lista de práctica y pulse el botón de quitar para sacarlas de nuevo. Pulse ¡Listo! cuando termine, y las dos listas se ocultan.

Palabras de más: Tus palabras &gt; Añadir una palabra muestra una casilla de texto y dos botones. Escriba una palabra en la casilla y pulse Añadir palabra para añadirla a la lista de práctica. Se quedan con la lista en juego hasta que se elija una lista nueva. Pulse ¡Listo! para ocultar la casilla de texto.

Sus propias listas: Tus palabras &gt; Lista propia abre otra ventana, con sus propias instrucciones, para hacer una lista de palabras suya. Póngale a su lista un nombre fácil de recordar, porque la única forma de cargarla después es Archivo &gt; Abrir una lista.


Para divertirse: Quillobrite toca sonidos mientras su hijo escribe. %2

¡Feliz ortografía! Espero que su hijo disfrute con Quillobrite y llegue a escribir con ganas y con seguridad.
</translation>
    </message>
</context>
<context>
    <name>frmReport</name>
    <message>
        <source>Scores over time</source>
        <translation>Puntuaciones a lo largo del tiempo</translation>
    </message>
    <message>
        <source>Spelling tests, the newest first</source>
        <translation>Dictados, el más reciente primero</translation>
    </message>
    <message>
        <source>No spelling test has been taken yet.</source>
        <translation>Todavía no se ha hecho ningún dictado.</translation>
    </message>
    <message>
        <source>Words most often misspelt</source>
        <translation>Las palabras que más se escriben mal</translation>
    </message>
    <message>
        <source>No word has been misspelt yet.</source>
        <translation>Todavía no se ha escrito mal ninguna palabra.</translation>
    </message>
    <message>
        <source>Words mastered (right in the last two tests)</source>
        <translation>Palabras dominadas (2 últimos)</translation>
    </message>
    <message>
        <source>No word has been mastered yet.</source>
        <translation>Todavía no se domina ninguna palabra.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Practise The Hard Words</source>
        <translation>Practicar las palabras difíciles</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 of %2 (unfinished)</source>
        <translation>%1 de %2 (sin terminar)</translation>
    </message>
    <message>
        <source>How Are We Doing?</source>
        <translation>¿Cómo vamos?</translation>
    </message>
    <message>
        <source>How your child is doing</source>
        <translation>Cómo va su hijo</translation>
    </message>
    <message>
        <source>How %1 is doing</source>
        <translation>Cómo va %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Veces</translation>
    </message>
    <message>
        <source>Typed as</source>
        <translation>Escrita como</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>CSV (*.csv) | *.csv</source>
        <translation>CSV (*.csv) | *.csv</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved. Try another folder, or make room on the disk.</source>
        <translation>No se ha podido guardar «%1». Pruebe con otra carpeta o deje espacio libre en el disco.</translation>
    </message>
    <message>
        <source>@yPoint%</source>
        <comment>a point&apos;s label: @yPoint is its percent of words right</comment>
        <translation>@yPoint&#xa0;%</translation>
    </message>
    <message>
        <source>%.0f%%</source>
        <comment>the percent axis&apos; labels, as printf writes a number</comment>
        <translation>%.0f %%</translation>
    </message>
    <message>
        <source>Words right</source>
        <translation>Aciertos</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Quillobrite!</source>
        <translation>Quillobrite!</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versión 1.0</translation>
    </message>
    <message>
        <source>February 2001 ad</source>
        <translation>Febrero de 2001 d. C.</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Gratuito</translation>
    </message>
    <message>
        <source>By the Quillobrite team</source>
        <translation>Del equipo de Quillobrite</translation>
    </message>
</context>
<context>
    <name>frmVarbo</name>
    <message>
        <source>Quillobrite!</source>
        <translation>Quillobrite!</translation>
    </message>
    <message>
        <source>Save Ferris</source>
        <translation>Save Ferris</translation>
    </message>
    <message>
        <source>Next Word</source>
        <translation>Siguiente palabra</translation>
    </message>
    <message>
        <source>All Done!</source>
        <translation>¡Listo!</translation>
    </message>
    <message>
        <source>Remove Word</source>
        <translation>Quitar palabra</translation>
    </message>
    <message>
        <source>&lt;&lt;Add A Word</source>
        <translation>&lt;&lt;Añadir palabra</translation>
    </message>
    <message>
        <source>Add A Word</source>
        <translation>Añadir palabra</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open A List</source>
        <translation>Abrir una lista</translation>
    </message>
    <message>
        <source>&amp;Next Word</source>
        <translation>&amp;Siguiente palabra</translation>
    </message>
    <message>
        <source>&amp;Say The Word</source>
        <translation>&amp;Decir la palabra</translation>
    </message>
    <message>
        <source>&amp;Our Words</source>
        <translation>&amp;Nuestras palabras</translation>
    </message>
    <message>
        <source>Next &amp;List</source>
        <translation>Siguiente &amp;lista</translation>
    </message>
    <message>
        <source>Add Lots Of Words</source>
        <translation>Añadir muchas palabras</translation>
    </message>
    <message>
        <source>&amp;Your Words</source>
        <translation>&amp;Tus palabras</translation>
    </message>
    <message>
        <source>Custom Lis&amp;t</source>
        <translation>&amp;Lista propia</translation>
    </message>
    <message>
        <source>Ad&amp;d A Word</source>
        <translation>&amp;Añadir una palabra</translation>
    </message>
    <message>
        <source>Grade Level</source>
        <translation>Curso</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation>&amp;Sonidos</translation>
    </message>
    <message>
        <source>Say The Words</source>
        <translation>Decir las palabras</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a word list, so it was not opened. Word lists are made with Your Words &gt; Custom List.</source>
        <translation>«%1» no es una lista de palabras, así que no se ha abierto. Las listas de palabras se hacen con Tus palabras &gt; Lista propia.</translation>
    </message>
    <message>
        <source>No word in &quot;%1&quot; fits in a list (at most 14 letters, each one the game can show), so it was not opened.</source>
        <translation>Ninguna palabra de «%1» cabe en una lista (como mucho 14 letras, todas de las que el juego sabe mostrar), así que no se ha abierto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no words, so it was not opened.</source>
        <translation>«%1» no tiene palabras, así que no se ha abierto.</translation>
    </message>
    <message>
        <source>Words left out, as a list holds only words of at most 14 letters, each one the game can show: %1.</source>
        <translation>Palabras que se han quedado fuera, porque una lista solo guarda palabras de 14 letras como mucho, todas de las que el juego sabe mostrar: %1.</translation>
    </message>
    <message>
        <source>Data (%1) | %1</source>
        <translation>Datos (%1) | %1</translation>
    </message>
    <message>
        <source>That was the last word on the list. Well done!

Grown-ups: Our Words &gt; Next List draws ten new words from the list (choose a Grade Level first for another grade), or File &gt; Open A List plays a list of your own.</source>
        <translation>Esa era la última palabra de la lista. ¡Muy bien!

Para los mayores: Nuestras palabras &gt; Siguiente lista saca diez palabras nuevas de la lista (elija antes un Curso para otro curso), o Archivo &gt; Abrir una lista juega con una lista suya.</translation>
    </message>
    <message>
        <source>Press Delete, then spell it again.</source>
        <translation>Pulsa Supr y escríbela otra vez.</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Practise These</source>
        <translation>Practicar estas</translation>
    </message>
    <message>
        <source>Spelling T&amp;est</source>
        <translation>Dic&amp;tado</translation>
    </message>
    <message>
        <source>How Are We &amp;Doing?</source>
        <translation>¿Cómo &amp;vamos?</translation>
    </message>
    <message>
        <source>&amp;Who Is Playing?</source>
        <translation>¿&amp;Quién juega?</translation>
    </message>
    <message>
        <source>Welcome back!</source>
        <translation>¡Hola otra vez!</translation>
    </message>
    <message>
        <source>Welcome back, %1!</source>
        <translation>¡Hola otra vez, %1!</translation>
    </message>
    <message>
        <source>There are no words to test yet. Choose a Grade Level, or open a list, first.</source>
        <translation>Todavía no hay palabras para un dictado. Elija primero un Curso, o abra una lista.</translation>
    </message>
    <message>
        <source>%1 (not %2)</source>
        <translation>%1 (no %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Every word right!</source>
        <translation>¡Todas las palabras bien!</translation>
    </message>
    <message>
        <source>Words to practise:</source>
        <translation>Palabras para practicar:</translation>
    </message>
</context>
<context>
    <name>grades</name>
    <message>
        <source>First</source>
        <translation>Primero</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Tercero</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Cuarto</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Quinto</translation>
    </message>
</context>
<context>
    <name>keysounds</name>
    <message>
        <source>Animals</source>
        <translation>Animals</translation>
    </message>
    <message>
        <source>Cartoon</source>
        <translation>Cartoon</translation>
    </message>
    <message>
        <source>Tech</source>
        <translation>Tech</translation>
    </message>
</context>
<context>
    <name>wordrefusal</name>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot;, a character a word list cannot store.</source>
        <translation>«%1» tiene «%2», un carácter que una lista de palabras no puede guardar.</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is %n letters long; a word in a list can have at most 14.</source>
        <translation>
            <numerusform>«%1» tiene %n letra; una palabra de una lista puede tener 14 como mucho.</numerusform>
            <numerusform>«%1» tiene %n letras; una palabra de una lista puede tener 14 como mucho.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in your list already.</source>
        <translation>«%1» ya está en tu lista.</translation>
    </message>
</context>
</TS>
