<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: quillobrite [OPTION]...
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A spelling game for grade-school children, played by a parent and a child
at one computer.

  -h, --help     show this help and exit
  -V, --version  show the version and exit

The options every Qt program takes work too, such as -display, -platform,
-style and -reverse.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;quillobrite --help&apos; for more.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quillobrite: unknown option %1
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListFormat</name>
    <message numerus="yes">
        <source>&quot;%1&quot; was read as a text list of %n word(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quillobrite-list: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;quillobrite-list --help&apos; for more.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is longer than %2 letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds a character a list cannot store (outside Windows-1252)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is listed already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exists already; --force writes over it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not UTF-8: read as Windows-1252</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>not written: %n word(s) cannot be stored; --force leaves them out</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>holds no words; nothing written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds more than %1 words; nothing written</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>only %n word(s): records %1 to %2 stay blank, as the game&apos;s editor leaves them</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>past record %1, never read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>control characters: the game refuses the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blank record</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>trailing fragment of %n byte(s), never read</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>holds no words: the game refuses the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no spelling dictionary for the language &quot;%1&quot;: spelling not checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record %1: %2 is not in the %3 dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n file name(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>--force goes with make only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PluginProgressReport</name>
    <message>
        <source>How Are We Doing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report cannot be shown: a part of the game is missing or damaged (%1). Installing the game again brings it back.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpellingMarks</name>
    <message>
        <source>No spellings to suggest</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SqliteStore</name>
    <message>
        <source>Progress is not being kept: the SQLite driver for Qt is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress is no longer being kept: the disk is full or cannot be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress is not being kept: its folder cannot be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress is not being kept: another game is using it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress is not being kept: its file is damaged, and is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress is not being kept: another program&apos;s file is in its place, and is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress is not being kept: a newer version of the game keeps it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>when</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test, unfinished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dlgWhoIsPlaying</name>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who Is Playing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A child&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already a child called %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be added: progress is not being kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1, and everything kept of their play? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmContact</name>
    <message>
        <source>If you would like to comment on this program, make suggestions for improvement, or would like to let me know about a program either you or your family could use, write to me at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ll be glad you did!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give Me a Jingle!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCreateList</name>
    <message>
        <source>Add A Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&apos;m Done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add To File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi there! This is where you can make your own customized list of spelling words. Just type a word in the textbox, and then click the &quot;Add A Word&quot; button. You must make your list at least ten words long.To remove a word, just click on it, and then hit the Remove button. Once you have at least ten words, click the Make File button, and give your file a name. To add your words to your file, simply click on a word, then click on the Add To File button. Then, just click the I&apos;m Done! button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Vocab List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words still in your list are not in a file yet. Save them before closing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data (*.dat) | *.dat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not made: this list&apos;s words go to the file made before. Close this window to start another list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be made (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Every word is still in your list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please click on a word in your list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds as many words as a list can.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>no</source>
        <extracomment>Counting sound lists (sets of key sounds).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sixth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eighth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ninth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tenth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Careful with the Escape key: with %1, it ends the game at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Careful with the Escape key: with %1 secret set(s) of sounds, it ends the game at once.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Careful with the Escape key: with %1, and with %2 other set(s), it ends the game at once.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %1 sound list(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of them are in the Sounds menu.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of them are in the Sounds menu, and the %2 is reached by a secret command. Can you find it? If you do, write and tell me how you did it!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of them are in the Sounds menu, and the other %2 are reached by secret commands. Can you find them? If you do, write and tell me how you did it!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Help!</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmReport</name>
    <message>
        <source>Scores over time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelling tests, the newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No spelling test has been taken yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words most often misspelt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No word has been misspelt yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words mastered (right in the last two tests)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No word has been mastered yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practise The Hard Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 (unfinished)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How Are We Doing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How your child is doing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How %1 is doing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typed as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv) | *.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved. Try another folder, or make room on the disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>@yPoint%</source>
        <comment>a point&apos;s label: @yPoint is its percent of words right</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%.0f%%</source>
        <comment>the percent axis&apos; labels, as printf writes a number</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words right</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Quillobrite!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February 2001 ad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By the Quillobrite team</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmVarbo</name>
    <message>
        <source>Quillobrite!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Ferris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;Add A Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add A Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open A List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Say The Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Our Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Lots Of Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Your Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Lis&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ad&amp;d A Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grade Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say The Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a word list, so it was not opened. Word lists are made with Your Words &gt; Custom List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No word in &quot;%1&quot; fits in a list (at most 14 letters, each one the game can show), so it was not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no words, so it was not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words left out, as a list holds only words of at most 14 letters, each one the game can show: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data (%1) | %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That was the last word on the list. Well done!

Grown-ups: Our Words &gt; Next List draws ten new words from the list (choose a Grade Level first for another grade), or File &gt; Open A List plays a list of your own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Delete, then spell it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practise These</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelling T&amp;est</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How Are We &amp;Doing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Who Is Playing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome back!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome back, %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no words to test yet. Choose a Grade Level, or open a list, first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every word right!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words to practise:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grades</name>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>keysounds</name>
    <message>
        <source>Animals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cartoon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tech</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wordrefusal</name>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot;, a character a word list cannot store.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is %n letters long; a word in a list can have at most 14.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in your list already.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
