<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: quillobrite [OPTION]...
</source>
        <translation>Aufruf: quillobrite [OPTION]...
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
        <translation>Ein Rechtschreibspiel für Grundschulkinder, gespielt von einem Elternteil und
einem Kind an einem Computer.

  -h, --help     diese Hilfe zeigen und beenden
  -V, --version  die Version zeigen und beenden

Die Optionen, die jedes Qt-Programm kennt, gehen auch, etwa -display,
-platform, -style und -reverse.
</translation>
    </message>
    <message>
        <source>Try &apos;quillobrite --help&apos; for more.
</source>
        <translation>Mehr mit „quillobrite --help“.
</translation>
    </message>
    <message>
        <source>quillobrite: unknown option %1
</source>
        <translation>quillobrite: unbekannte Option %1
</translation>
    </message>
</context>
<context>
    <name>ListFormat</name>
    <message numerus="yes">
        <source>&quot;%1&quot; was read as a text list of %n word(s).</source>
        <translation>
            <numerusform>„%1“ wurde als Textliste mit %n Wort gelesen.</numerusform>
            <numerusform>„%1“ wurde als Textliste mit %n Wörtern gelesen.</numerusform>
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
        <translation>Aufruf: quillobrite-list make [--force] WÖRTER.txt LISTE.dat
        quillobrite-list show LISTE.dat
        quillobrite-list check LISTE.dat
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
        <translation>Wortlisten-Dateien für Quillobrite erstellen, zeigen und prüfen.

  make WÖRTER.txt LISTE.dat  schreibt die Wörter einer Textdatei in eine neue
                             Listendatei: ein Wort pro Zeile (auch Kommas,
                             Tabulatoren und Semikolons trennen Wörter; eine
                             Zeile, die mit # beginnt, ist ein Kommentar).
                             Sie wird als UTF-8 gelesen; eine Datei, die kein
                             UTF-8 ist, deren Bytes aber alle Zeichen von
                             Windows-1252 sind (Latin-1-Text), wird als
                             Windows-1252 gelesen, und das Werkzeug sagt es;
                             jede andere wird ganz abgelehnt, mit ihrer ersten
                             Zeile, die kein UTF-8 ist: kein Wort wird je
                             abgeschnitten
  show LISTE.dat             zeigt die Wörter einer Listendatei, eins pro Zeile
  check LISTE.dat            meldet, was das Spiel ablehnen oder nie lesen
                             würde, und nennt die Wörter, die das Wörterbuch
                             der Sprache der Liste nicht kennt (Namen und neue
                             Wörter sind kein Fehler: sie lassen den
                             Rückgabewert, wie er ist)

  -f, --force    überschreibt LISTE.dat; lässt die Wörter weg, die eine Liste
                 nicht speichern kann (über 14 Buchstaben, ein Zeichen außerhalb
                 von Windows-1252, ein Wort, das schon drin ist), statt nichts
                 zu schreiben
  -h, --help     diese Hilfe zeigen
  -V, --version  die Version zeigen

Rückgabewert: 0 alles gut, 1 Probleme gefunden, 2 Aufruf- oder
Ein-/Ausgabefehler.
</translation>
    </message>
    <message>
        <source>quillobrite-list: %1</source>
        <translation>quillobrite-list: %1</translation>
    </message>
    <message>
        <source>Try &apos;quillobrite-list --help&apos; for more.
</source>
        <translation>Mehr mit „quillobrite-list --help“.
</translation>
    </message>
    <message>
        <source>%1 is longer than %2 letters</source>
        <translation>%1 ist länger als %2 Buchstaben</translation>
    </message>
    <message>
        <source>%1 holds a character a list cannot store (outside Windows-1252)</source>
        <translation>%1 enthält ein Zeichen, das eine Liste nicht speichern kann (außerhalb von Windows-1252)</translation>
    </message>
    <message>
        <source>%1 is listed already</source>
        <translation>%1 steht schon in der Liste</translation>
    </message>
    <message>
        <source>could not be written (%1)</source>
        <translation>konnte nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>exists already; --force writes over it</source>
        <translation>gibt es schon; --force überschreibt sie</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>kein UTF-8-Text</translation>
    </message>
    <message>
        <source>not UTF-8: read as Windows-1252</source>
        <translation>kein UTF-8: als Windows-1252 gelesen</translation>
    </message>
    <message numerus="yes">
        <source>not written: %n word(s) cannot be stored; --force leaves them out</source>
        <translation>
            <numerusform>nicht geschrieben: %n Wort kann nicht gespeichert werden; --force lässt es weg</numerusform>
            <numerusform>nicht geschrieben: %n Wörter können nicht gespeichert werden; --force lässt sie weg</numerusform>
        </translation>
    </message>
    <message>
        <source>holds no words; nothing written</source>
        <translation>enthält keine Wörter; nichts geschrieben</translation>
    </message>
    <message>
        <source>holds more than %1 words; nothing written</source>
        <translation>enthält mehr als %1 Wörter; nichts geschrieben</translation>
    </message>
    <message numerus="yes">
        <source>only %n word(s): records %1 to %2 stay blank, as the game&apos;s editor leaves them</source>
        <translation>
            <numerusform>nur %n Wort: Einträge %1 bis %2 bleiben leer, wie der Editor des Spiels sie lässt</numerusform>
            <numerusform>nur %n Wörter: Einträge %1 bis %2 bleiben leer, wie der Editor des Spiels sie lässt</numerusform>
        </translation>
    </message>
    <message>
        <source>past record %1, never read</source>
        <translation>nach Eintrag %1, wird nie gelesen</translation>
    </message>
    <message>
        <source>control characters: the game refuses the file</source>
        <translation>Steuerzeichen: das Spiel lehnt die Datei ab</translation>
    </message>
    <message>
        <source>blank record</source>
        <translation>leerer Eintrag</translation>
    </message>
    <message numerus="yes">
        <source>trailing fragment of %n byte(s), never read</source>
        <translation>
            <numerusform>Rest von %n Byte am Ende, wird nie gelesen</numerusform>
            <numerusform>Rest von %n Bytes am Ende, wird nie gelesen</numerusform>
        </translation>
    </message>
    <message>
        <source>holds no words: the game refuses the file</source>
        <translation>enthält keine Wörter: das Spiel lehnt die Datei ab</translation>
    </message>
    <message>
        <source>record %1: %2</source>
        <translation>Eintrag %1: %2</translation>
    </message>
    <message>
        <source>no spelling dictionary for the language &quot;%1&quot;: spelling not checked</source>
        <translation>kein Wörterbuch für die Sprache „%1“: Rechtschreibung nicht geprüft</translation>
    </message>
    <message>
        <source>record %1: %2 is not in the %3 dictionary</source>
        <translation>Eintrag %1: %2 steht nicht im Wörterbuch %3</translation>
    </message>
    <message>
        <source>unknown option %1%2</source>
        <translation>unbekannte Option %1%2</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n file name(s)</source>
        <translation>
            <numerusform>%1 braucht %n Dateinamen</numerusform>
            <numerusform>%1 braucht %n Dateinamen</numerusform>
        </translation>
    </message>
    <message>
        <source>--force goes with make only</source>
        <translation>--force gibt es nur mit make</translation>
    </message>
</context>
<context>
    <name>PluginProgressReport</name>
    <message>
        <source>How Are We Doing?</source>
        <translation>Wie läuft es?</translation>
    </message>
    <message>
        <source>The report cannot be shown: a part of the game is missing or damaged (%1). Installing the game again brings it back.</source>
        <translation>Der Bericht kann nicht gezeigt werden: Ein Teil des Spiels fehlt oder ist beschädigt (%1). Wenn Sie das Spiel neu installieren, ist er wieder da.</translation>
    </message>
</context>
<context>
    <name>SpellingMarks</name>
    <message>
        <source>No spellings to suggest</source>
        <translation>Keine Vorschläge</translation>
    </message>
</context>
<context>
    <name>SqliteStore</name>
    <message>
        <source>Progress is not being kept: the SQLite driver for Qt is not installed.</source>
        <translation>Der Fortschritt wird nicht gespeichert: Der SQLite-Treiber für Qt ist nicht installiert.</translation>
    </message>
    <message>
        <source>Progress is no longer being kept: the disk is full or cannot be written to.</source>
        <translation>Der Fortschritt wird nicht mehr gespeichert: Die Festplatte ist voll oder nicht beschreibbar.</translation>
    </message>
    <message>
        <source>Progress is not being kept: its folder cannot be written to.</source>
        <translation>Der Fortschritt wird nicht gespeichert: In seinen Ordner kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Progress is not being kept: another game is using it.</source>
        <translation>Der Fortschritt wird nicht gespeichert: Ein anderes Spiel benutzt ihn gerade.</translation>
    </message>
    <message>
        <source>Progress is not being kept: its file is damaged, and is left as it is.</source>
        <translation>Der Fortschritt wird nicht gespeichert: Seine Datei ist beschädigt und bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Progress is not being kept: another program&apos;s file is in its place, and is left as it is.</source>
        <translation>Der Fortschritt wird nicht gespeichert: An seiner Stelle liegt die Datei eines anderen Programms, und sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Progress is not being kept: a newer version of the game keeps it.</source>
        <translation>Der Fortschritt wird nicht gespeichert: Eine neuere Version des Spiels verwaltet ihn.</translation>
    </message>
    <message>
        <source>when</source>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>list</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>getippt</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>test</source>
        <translation>Diktat</translation>
    </message>
    <message>
        <source>test, unfinished</source>
        <translation>Diktat, nicht beendet</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>test answer</source>
        <translation>Antwort im Diktat</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
</context>
<context>
    <name>dlgWhoIsPlaying</name>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Löschen…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Who Is Playing?</source>
        <translation>Wer spielt?</translation>
    </message>
    <message>
        <source>A child&apos;s name</source>
        <translation>Der Name eines Kindes</translation>
    </message>
    <message>
        <source>There is already a child called %1.</source>
        <translation>Es gibt schon ein Kind namens %1.</translation>
    </message>
    <message>
        <source>%1 could not be added: progress is not being kept.</source>
        <translation>%1 konnte nicht hinzugefügt werden: Der Fortschritt wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Delete %1, and everything kept of their play? This cannot be undone.</source>
        <translation>%1 löschen, mit allem, was von ihrem oder seinem Spiel gespeichert ist? Das lässt sich nicht rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>frmContact</name>
    <message>
        <source>If you would like to comment on this program, make suggestions for improvement, or would like to let me know about a program either you or your family could use, write to me at:</source>
        <translation>Wenn du etwas zu diesem Programm sagen möchtest, Ideen hast, wie es besser wird, oder mir von einem Programm erzählen willst, das du oder deine Familie brauchen könntet, schreib mir an:</translation>
    </message>
    <message>
        <source>You&apos;ll be glad you did!</source>
        <translation>Du wirst dich freuen, dass du es getan hast!</translation>
    </message>
    <message>
        <source>Give Me a Jingle!</source>
        <translation>Meld dich mal!</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ENDE</translation>
    </message>
</context>
<context>
    <name>frmCreateList</name>
    <message>
        <source>Add A Word</source>
        <translation>Wort hinzufügen</translation>
    </message>
    <message>
        <source>Remove Word</source>
        <translation>Wort entfernen</translation>
    </message>
    <message>
        <source>Make File</source>
        <translation>Datei anlegen</translation>
    </message>
    <message>
        <source>I&apos;m Done!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>Add To File</source>
        <translation>In die Datei</translation>
    </message>
    <message>
        <source>Hi there! This is where you can make your own customized list of spelling words. Just type a word in the textbox, and then click the &quot;Add A Word&quot; button. You must make your list at least ten words long.To remove a word, just click on it, and then hit the Remove button. Once you have at least ten words, click the Make File button, and give your file a name. To add your words to your file, simply click on a word, then click on the Add To File button. Then, just click the I&apos;m Done! button</source>
        <translation>Hallo! Hier kannst du deine eigene Liste mit Übungswörtern machen. Tippe einfach ein Wort in das Textfeld und klicke dann auf den Knopf „Wort hinzufügen“. Deine Liste muss mindestens zehn Wörter lang sein. Um ein Wort zu entfernen, klicke es an und dann auf den Knopf Entfernen. Sobald du mindestens zehn Wörter hast, klicke auf den Knopf Datei anlegen und gib deiner Datei einen Namen. Um deine Wörter in die Datei zu schreiben, klicke auf ein Wort und dann auf den Knopf In die Datei. Dann klicke einfach auf den Knopf Fertig!</translation>
    </message>
    <message>
        <source>New Vocab List</source>
        <translation>Neue Wörterliste</translation>
    </message>
    <message>
        <source>The words still in your list are not in a file yet. Save them before closing?</source>
        <translation>Die Wörter in deiner Liste sind noch in keiner Datei. Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Data (*.dat) | *.dat</source>
        <translation>Daten (*.dat) | *.dat</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not made: this list&apos;s words go to the file made before. Close this window to start another list.</source>
        <translation>„%1“ wurde nicht angelegt: Die Wörter dieser Liste kommen in die Datei von vorhin. Schließ dieses Fenster, um eine neue Liste anzufangen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be made (%2).</source>
        <translation>„%1“ konnte nicht angelegt werden (%2).</translation>
    </message>
    <message>
        <source>%1 Every word is still in your list.</source>
        <translation>%1 Alle Wörter sind noch in deiner Liste.</translation>
    </message>
    <message>
        <source>Choose a Word</source>
        <translation>Wähl ein Wort</translation>
    </message>
    <message>
        <source>Please click on a word in your list.</source>
        <translation>Klick bitte auf ein Wort in deiner Liste.</translation>
    </message>
    <message>
        <source>The file holds as many words as a list can.</source>
        <translation>In der Datei sind schon so viele Wörter, wie eine Liste fassen kann.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2).</source>
        <translation>„%1“ konnte nicht geschrieben werden (%2).</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>no</source>
        <extracomment>Counting sound lists (sets of key sounds).</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source>one</source>
        <translation>eine</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>zehn</translation>
    </message>
    <message>
        <source>first</source>
        <translation>erste</translation>
    </message>
    <message>
        <source>second</source>
        <translation>zweite</translation>
    </message>
    <message>
        <source>third</source>
        <translation>dritte</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>vierte</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>fünfte</translation>
    </message>
    <message>
        <source>sixth</source>
        <translation>sechste</translation>
    </message>
    <message>
        <source>seventh</source>
        <translation>siebte</translation>
    </message>
    <message>
        <source>eighth</source>
        <translation>achte</translation>
    </message>
    <message>
        <source>ninth</source>
        <translation>neunte</translation>
    </message>
    <message>
        <source>tenth</source>
        <translation>zehnte</translation>
    </message>
    <message>
        <source>the %1 sounds</source>
        <translation>den Klängen %1</translation>
    </message>
    <message>
        <source>Careful with the Escape key: with %1, it ends the game at once.</source>
        <translation>Vorsicht mit der Escape-Taste: Bei %1 beendet sie das Spiel sofort.</translation>
    </message>
    <message numerus="yes">
        <source>Careful with the Escape key: with %1 secret set(s) of sounds, it ends the game at once.</source>
        <translation>
            <numerusform>Vorsicht mit der Escape-Taste: Sie beendet das Spiel sofort, und das gilt für %1 geheime Klangsammlung.</numerusform>
            <numerusform>Vorsicht mit der Escape-Taste: Sie beendet das Spiel sofort, und das gilt für %1 geheime Klangsammlungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Careful with the Escape key: with %1, and with %2 other set(s), it ends the game at once.</source>
        <translation>
            <numerusform>Vorsicht mit der Escape-Taste: Bei %1 beendet sie das Spiel sofort, und das gilt auch für %2 weitere Sammlung.</numerusform>
            <numerusform>Vorsicht mit der Escape-Taste: Bei %1 beendet sie das Spiel sofort, und das gilt auch für %2 weitere Sammlungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %1 sound list(s).</source>
        <translation>
            <numerusform>Es gibt %1 Klangliste.</numerusform>
            <numerusform>Es gibt %1 Klanglisten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of them are in the Sounds menu.</source>
        <translation>
            <numerusform>%1 davon steht im Menü Töne.</numerusform>
            <numerusform>%1 davon stehen im Menü Töne.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of them are in the Sounds menu, and the %2 is reached by a secret command. Can you find it? If you do, write and tell me how you did it!</source>
        <translation>
            <numerusform>%1 davon steht im Menü Töne, und die %2 erreicht man mit einem geheimen Befehl. Findest du ihn? Wenn ja, schreib mir, wie du es geschafft hast!</numerusform>
            <numerusform>%1 davon stehen im Menü Töne, und die %2 erreicht man mit einem geheimen Befehl. Findest du ihn? Wenn ja, schreib mir, wie du es geschafft hast!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of them are in the Sounds menu, and the other %2 are reached by secret commands. Can you find them? If you do, write and tell me how you did it!</source>
        <translation>
            <numerusform>%1 davon steht im Menü Töne, und die anderen %2 erreicht man mit geheimen Befehlen. Findest du sie? Wenn ja, schreib mir, wie du es geschafft hast!</numerusform>
            <numerusform>%1 davon stehen im Menü Töne, und die anderen %2 erreicht man mit geheimen Befehlen. Findest du sie? Wenn ja, schreib mir, wie du es geschafft hast!</numerusform>
        </translation>
    </message>
    <message>
        <source>Help!</source>
        <translation>Hilfe!</translation>
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
        <translation>Willkommen bei Quillobrite! Dieses Programm hilft Grundschulkindern, richtig schreiben zu lernen, und zwar so, dass es wirklich klappt: mit kräftigen Farben, fröhlichen Klängen und viel Spaß dabei.

Los geht&apos;s: Die Tastatur auf dem Bildschirm ist nur ein Bild, Sie müssen sie also nicht anklicken. Ihr Kind tippt auf der echten Tastatur. Wählen Sie zuerst im Menü Klassenstufe die Klasse Ihres Kindes; Quillobrite lädt dann die Wörterliste für diese Klasse.

Spielen: Klicken Sie auf den Pfeilknopf oben links (oder drücken Sie die Eingabetaste, oder wählen Sie Datei &gt; Nächstes Wort), dann erscheint ein Wort auf dem Bildschirm, und das Spiel spricht es laut aus; klicken Sie auf das Wort oder wählen Sie Datei &gt; Wort sagen (Strg+S), um es noch einmal zu hören. Jeder Buchstabe, den Ihr Kind tippt, erscheint oben rechts, und jeder Buchstabe hat seinen eigenen Klang. Andere Tasten tippen, was auf ihnen steht, etwa einen Bindestrich oder einen Apostroph, und die Leertaste tippt das Leerzeichen in einem Wort wie EIS AM STIEL. Die Rücktaste nimmt den zuletzt getippten Buchstaben zurück, und Entf löscht den ganzen Versuch. Ist das ganze Wort getippt, erscheint oben links ein Knopf mit einem Fragezeichen; klicken Sie darauf, um die Schreibweise zu prüfen. Ein richtig geschriebenes Wort bekommt ein Lob, das getippte Wort wird gelöscht, und ein oder mehrere Buchstaben des Wortes auf dem Bildschirm werden versteckt, sodass jeder neue Versuch ein bisschen mehr aus dem Gedächtnis kommt. Beim vierten richtigen Schreiben gibt es Applaus und ein lachendes Gesicht, und der Pfeilknopf kommt für das nächste Wort zurück. Ein falscher Buchstabe bekommt einen kleinen roten Punkt darunter: Drücken Sie die Taste Entf, um den Versuch und die Punkte zu löschen, und versuchen Sie es noch einmal. Nach jedem der ersten drei richtigen Versuche sagt das Spiel das Wort noch einmal, damit es aus dem Gedächtnis geschrieben werden kann; Töne &gt; Wörter vorlesen schaltet die Stimme ab.%1

Jedes Wort, das viermal richtig geschrieben wird, bringt ein lachendes Gesicht, bis zu zehn Gesichter für zehn Wörter; eine neue Liste beginnt mit einer leeren Tafel. Wenn die Wörter ausgehen, sagt das Fenster Bescheid: Wählen Sie Unsere Wörter &gt; Nächste Liste, um zehn neue Wörter aus der Hauptliste zu ziehen.

Diktat: Datei &gt; Diktat (Strg+E) fragt die Wörter der Liste im Spiel ab, in neuer Reihenfolge, wie die Lehrerin am Freitag. Das Spiel sagt jedes Wort mit einem Satz, zeigt es aber nicht: Ihr Kind tippt es und drückt die Eingabetaste oder den Knopf mit dem Fragezeichen. Ein richtiges Wort bekommt einen grünen Haken; ein falsches wird einen Moment neben dem Getippten gezeigt. Mit Strg+S ist ein Wort noch einmal zu hören. Am Ende zeigt das Spiel das Ergebnis, ein lachendes Gesicht für jedes richtige Wort und die verpassten Wörter; mit Diese üben werden sie geübt.

Wer spielt: Eigene Wörter &gt; Wer spielt? (Strg+I) merkt sich einen Namen für jedes Kind, damit die Antworten, Diktate und die Liste jedes Kindes getrennt bleiben; gibt es mehr als einen Namen, fragt das Spiel beim Start, wer spielt. Das Spiel merkt sich, wo jedes Kind aufgehört hat, und die verdienten Gesichter. Unsere Wörter &gt; Wie läuft es? (Strg+R) zeigt die Diktate eines Kindes als Tabelle und als Diagramm, die Wörter, die am häufigsten falsch geschrieben werden, und die sicheren Wörter. Alles bleibt nur auf diesem Computer, und wer ein Kind löscht, löscht alles, was über es gespeichert ist.

Wörter von Hand wählen: Unsere Wörter &gt; Viele Wörter hinzufügen zeigt zwei Listen. Die linke ist die Übungsliste, meist zehn Wörter lang, und Datei &gt; Nächstes Wort nimmt die Wörter von dort. Die rechte ist die Hauptliste. Markieren Sie Wörter in der Hauptliste und drücken Sie den Hinzufügen-Knopf, um sie in die Übungsliste zu setzen; markieren Sie Wörter in der Übungsliste und drücken Sie den Entfernen-Knopf, um sie wieder herauszunehmen. Drücken Sie Fertig, wenn Sie fertig sind, dann verschwinden beide Listen.

Zusätzliche Wörter: Eigene Wörter &gt; Wort hinzufügen zeigt ein Textfeld und zwei Knöpfe. Tippen Sie ein Wort in das Feld und drücken Sie Wort hinzufügen, um es in die Übungsliste aufzunehmen. Sie bleiben bei der Liste im Spiel, bis eine neue Liste gewählt wird. Drücken Sie Fertig, um das Textfeld zu verstecken.

Eigene Listen: Eigene Wörter &gt; Eigene Liste öffnet ein eigenes Fenster mit eigener Anleitung, um eine Wörterliste selbst zu machen. Geben Sie Ihrer Liste einen Namen, den man sich leicht merkt, denn später lässt sie sich nur über Datei &gt; Liste öffnen laden.


Zum Spaß: Quillobrite spielt Klänge, während Ihr Kind tippt. %2

Viel Spaß beim Schreiben! Ich hoffe, Ihr Kind hat Freude an Quillobrite und wird ein begeisterter und sicherer Rechtschreiber.
</translation>
    </message>
</context>
<context>
    <name>frmReport</name>
    <message>
        <source>Scores over time</source>
        <translation>Ergebnisse im Lauf der Zeit</translation>
    </message>
    <message>
        <source>Spelling tests, the newest first</source>
        <translation>Diktate, das neueste zuerst</translation>
    </message>
    <message>
        <source>No spelling test has been taken yet.</source>
        <translation>Es wurde noch kein Diktat geschrieben.</translation>
    </message>
    <message>
        <source>Words most often misspelt</source>
        <translation>Oft falsch geschriebene Wörter</translation>
    </message>
    <message>
        <source>No word has been misspelt yet.</source>
        <translation>Noch kein Wort wurde falsch geschrieben.</translation>
    </message>
    <message>
        <source>Words mastered (right in the last two tests)</source>
        <translation>Sichere Wörter (2 letzte Diktate)</translation>
    </message>
    <message>
        <source>No word has been mastered yet.</source>
        <translation>Noch kein Wort sitzt sicher.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Practise The Hard Words</source>
        <translation>Schwierige Wörter üben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 of %2 (unfinished)</source>
        <translation>%1 von %2 (nicht beendet)</translation>
    </message>
    <message>
        <source>How Are We Doing?</source>
        <translation>Wie läuft es?</translation>
    </message>
    <message>
        <source>How your child is doing</source>
        <translation>Wie es Ihrem Kind geht</translation>
    </message>
    <message>
        <source>How %1 is doing</source>
        <translation>Wie es %1 geht</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Typed as</source>
        <translation>Getippt als</translation>
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
        <translation>„%1“ konnte nicht gespeichert werden. Versuchen Sie einen anderen Ordner, oder schaffen Sie Platz auf der Festplatte.</translation>
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
        <translation>Richtige Wörter</translation>
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
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>February 2001 ad</source>
        <translation>Februar 2001 n. Chr.</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Freeware</translation>
    </message>
    <message>
        <source>By the Quillobrite team</source>
        <translation>Vom Quillobrite-Team</translation>
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
        <translation>Nächstes Wort</translation>
    </message>
    <message>
        <source>All Done!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>Remove Word</source>
        <translation>Wort entfernen</translation>
    </message>
    <message>
        <source>&lt;&lt;Add A Word</source>
        <translation>&lt;&lt;Wort dazu</translation>
    </message>
    <message>
        <source>Add A Word</source>
        <translation>Wort hinzufügen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open A List</source>
        <translation>Liste öffnen</translation>
    </message>
    <message>
        <source>&amp;Next Word</source>
        <translation>&amp;Nächstes Wort</translation>
    </message>
    <message>
        <source>&amp;Say The Word</source>
        <translation>Wort &amp;sagen</translation>
    </message>
    <message>
        <source>&amp;Our Words</source>
        <translation>&amp;Unsere Wörter</translation>
    </message>
    <message>
        <source>Next &amp;List</source>
        <translation>Nächste &amp;Liste</translation>
    </message>
    <message>
        <source>Add Lots Of Words</source>
        <translation>Viele Wörter hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Your Words</source>
        <translation>&amp;Eigene Wörter</translation>
    </message>
    <message>
        <source>Custom Lis&amp;t</source>
        <translation>Eigene &amp;Liste</translation>
    </message>
    <message>
        <source>Ad&amp;d A Word</source>
        <translation>&amp;Wort hinzufügen</translation>
    </message>
    <message>
        <source>Grade Level</source>
        <translation>Klassenstufe</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation>&amp;Töne</translation>
    </message>
    <message>
        <source>Say The Words</source>
        <translation>Wörter vorlesen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a word list, so it was not opened. Word lists are made with Your Words &gt; Custom List.</source>
        <translation>„%1“ ist keine Wörterliste und wurde darum nicht geöffnet. Wörterlisten macht man mit Eigene Wörter &gt; Eigene Liste.</translation>
    </message>
    <message>
        <source>No word in &quot;%1&quot; fits in a list (at most 14 letters, each one the game can show), so it was not opened.</source>
        <translation>Kein Wort in „%1“ passt in eine Liste (höchstens 14 Buchstaben, jeder davon einer, den das Spiel zeigen kann), darum wurde die Datei nicht geöffnet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no words, so it was not opened.</source>
        <translation>„%1“ enthält keine Wörter und wurde darum nicht geöffnet.</translation>
    </message>
    <message>
        <source>Words left out, as a list holds only words of at most 14 letters, each one the game can show: %1.</source>
        <translation>Weggelassene Wörter, denn eine Liste fasst nur Wörter mit höchstens 14 Buchstaben, jeder davon einer, den das Spiel zeigen kann: %1.</translation>
    </message>
    <message>
        <source>Data (%1) | %1</source>
        <translation>Daten (%1) | %1</translation>
    </message>
    <message>
        <source>That was the last word on the list. Well done!

Grown-ups: Our Words &gt; Next List draws ten new words from the list (choose a Grade Level first for another grade), or File &gt; Open A List plays a list of your own.</source>
        <translation>Das war das letzte Wort der Liste. Gut gemacht!

Für die Großen: Unsere Wörter &gt; Nächste Liste zieht zehn neue Wörter aus der Liste (für eine andere Klasse zuerst eine Klassenstufe wählen), oder Datei &gt; Liste öffnen spielt eine eigene Liste.</translation>
    </message>
    <message>
        <source>Press Delete, then spell it again.</source>
        <translation>Drück Entf und schreib es noch einmal.</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Practise These</source>
        <translation>Diese üben</translation>
    </message>
    <message>
        <source>Spelling T&amp;est</source>
        <translation>&amp;Diktat</translation>
    </message>
    <message>
        <source>How Are We &amp;Doing?</source>
        <translation>&amp;Wie läuft es?</translation>
    </message>
    <message>
        <source>&amp;Who Is Playing?</source>
        <translation>Wer &amp;spielt?</translation>
    </message>
    <message>
        <source>Welcome back!</source>
        <translation>Willkommen zurück!</translation>
    </message>
    <message>
        <source>Welcome back, %1!</source>
        <translation>Willkommen zurück, %1!</translation>
    </message>
    <message>
        <source>There are no words to test yet. Choose a Grade Level, or open a list, first.</source>
        <translation>Es gibt noch keine Wörter für ein Diktat. Wählen Sie zuerst eine Klassenstufe, oder öffnen Sie eine Liste.</translation>
    </message>
    <message>
        <source>%1 (not %2)</source>
        <translation>%1 (nicht %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Every word right!</source>
        <translation>Alle Wörter richtig!</translation>
    </message>
    <message>
        <source>Words to practise:</source>
        <translation>Wörter zum Üben:</translation>
    </message>
</context>
<context>
    <name>grades</name>
    <message>
        <source>First</source>
        <translation>1. Klasse</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>2. Klasse</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>3. Klasse</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>4. Klasse</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>5. Klasse</translation>
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
        <translation>„%1“ enthält „%2“, ein Zeichen, das eine Wörterliste nicht speichern kann.</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is %n letters long; a word in a list can have at most 14.</source>
        <translation>
            <numerusform>„%1“ hat %n Buchstaben; ein Wort in einer Liste darf höchstens 14 haben.</numerusform>
            <numerusform>„%1“ hat %n Buchstaben; ein Wort in einer Liste darf höchstens 14 haben.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in your list already.</source>
        <translation>„%1“ steht schon in deiner Liste.</translation>
    </message>
</context>
</TS>
