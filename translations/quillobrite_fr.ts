<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: quillobrite [OPTION]...
</source>
        <translation>Utilisation : quillobrite [OPTION]...
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
        <translation>Un jeu d&apos;orthographe pour les enfants de l&apos;école primaire, à jouer à deux,
un parent et un enfant devant le même ordinateur.

  -h, --help     affiche cette aide et quitte
  -V, --version  affiche la version et quitte

Les options communes à tous les programmes Qt marchent aussi, comme -display,
-platform, -style et -reverse.
</translation>
    </message>
    <message>
        <source>Try &apos;quillobrite --help&apos; for more.
</source>
        <translation>Essayez « quillobrite --help » pour en savoir plus.
</translation>
    </message>
    <message>
        <source>quillobrite: unknown option %1
</source>
        <translation>quillobrite : option inconnue %1
</translation>
    </message>
</context>
<context>
    <name>ListFormat</name>
    <message numerus="yes">
        <source>&quot;%1&quot; was read as a text list of %n word(s).</source>
        <translation>
            <numerusform>« %1 » a été lu comme une liste de texte de %n mot.</numerusform>
            <numerusform>« %1 » a été lu comme une liste de texte de %n mots.</numerusform>
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
        <translation>Utilisation : quillobrite-list make [--force] MOTS.txt LISTE.dat
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
        <translation>Crée, affiche et vérifie les fichiers de listes de mots de Quillobrite.

  make MOTS.txt LISTE.dat  écrit les mots d&apos;un fichier texte dans un nouveau
                           fichier de liste : un mot par ligne (les virgules,
                           tabulations et points-virgules séparent aussi les
                           mots ; une ligne qui commence par # est un
                           commentaire). Il est lu en UTF-8 ; un fichier qui
                           n&apos;est pas en UTF-8 mais dont chaque octet est un
                           caractère Windows-1252 (texte Latin-1) est lu en
                           Windows-1252, et l&apos;outil le signale ; tout autre
                           fichier est refusé en entier, avec sa première
                           ligne qui n&apos;est pas en UTF-8 : aucun mot n&apos;est
                           jamais coupé
  show LISTE.dat           affiche les mots d&apos;un fichier de liste, un par ligne
  check LISTE.dat          signale ce que le jeu refuserait ou ne lirait
                           jamais, et note les mots que le dictionnaire de la
                           langue de la liste ne connaît pas (les noms et les
                           mots nouveaux ne sont pas des fautes : ils ne
                           changent pas le code de sortie)

  -f, --force    écrase LISTE.dat ; laisse de côté les mots qu&apos;une liste ne
                 peut pas garder (plus de 14 lettres, un caractère hors de
                 Windows-1252, un mot déjà dans la liste) au lieu de ne rien
                 écrire
  -h, --help     affiche cette aide
  -V, --version  affiche la version

Code de sortie : 0 tout va bien, 1 problèmes trouvés, 2 erreur d&apos;utilisation
ou d&apos;entrée/sortie.
</translation>
    </message>
    <message>
        <source>quillobrite-list: %1</source>
        <translation>quillobrite-list : %1</translation>
    </message>
    <message>
        <source>Try &apos;quillobrite-list --help&apos; for more.
</source>
        <translation>Essayez « quillobrite-list --help » pour en savoir plus.
</translation>
    </message>
    <message>
        <source>%1 is longer than %2 letters</source>
        <translation>%1 a plus de %2 lettres</translation>
    </message>
    <message>
        <source>%1 holds a character a list cannot store (outside Windows-1252)</source>
        <translation>%1 contient un caractère qu&apos;une liste ne peut pas garder (hors de Windows-1252)</translation>
    </message>
    <message>
        <source>%1 is listed already</source>
        <translation>%1 est déjà dans la liste</translation>
    </message>
    <message>
        <source>could not be written (%1)</source>
        <translation>n&apos;a pas pu être écrit (%1)</translation>
    </message>
    <message>
        <source>exists already; --force writes over it</source>
        <translation>existe déjà ; --force l&apos;écrase</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>not UTF-8: read as Windows-1252</source>
        <translation>pas en UTF-8 : lu en Windows-1252</translation>
    </message>
    <message numerus="yes">
        <source>not written: %n word(s) cannot be stored; --force leaves them out</source>
        <translation>
            <numerusform>rien d&apos;écrit : %n mot ne peut pas être gardé ; --force le laisse de côté</numerusform>
            <numerusform>rien d&apos;écrit : %n mots ne peuvent pas être gardés ; --force les laisse de côté</numerusform>
        </translation>
    </message>
    <message>
        <source>holds no words; nothing written</source>
        <translation>ne contient aucun mot ; rien d&apos;écrit</translation>
    </message>
    <message>
        <source>holds more than %1 words; nothing written</source>
        <translation>contient plus de %1 mots ; rien d&apos;écrit</translation>
    </message>
    <message numerus="yes">
        <source>only %n word(s): records %1 to %2 stay blank, as the game&apos;s editor leaves them</source>
        <translation>
            <numerusform>seulement %n mot : les enregistrements %1 à %2 restent vides, comme les laisse l&apos;éditeur du jeu</numerusform>
            <numerusform>seulement %n mots : les enregistrements %1 à %2 restent vides, comme les laisse l&apos;éditeur du jeu</numerusform>
        </translation>
    </message>
    <message>
        <source>past record %1, never read</source>
        <translation>après l&apos;enregistrement %1, jamais lu</translation>
    </message>
    <message>
        <source>control characters: the game refuses the file</source>
        <translation>caractères de contrôle : le jeu refuse le fichier</translation>
    </message>
    <message>
        <source>blank record</source>
        <translation>enregistrement vide</translation>
    </message>
    <message numerus="yes">
        <source>trailing fragment of %n byte(s), never read</source>
        <translation>
            <numerusform>morceau final de %n octet, jamais lu</numerusform>
            <numerusform>morceau final de %n octets, jamais lu</numerusform>
        </translation>
    </message>
    <message>
        <source>holds no words: the game refuses the file</source>
        <translation>ne contient aucun mot : le jeu refuse le fichier</translation>
    </message>
    <message>
        <source>record %1: %2</source>
        <translation>enregistrement %1 : %2</translation>
    </message>
    <message>
        <source>no spelling dictionary for the language &quot;%1&quot;: spelling not checked</source>
        <translation>pas de dictionnaire pour la langue « %1 » : orthographe non vérifiée</translation>
    </message>
    <message>
        <source>record %1: %2 is not in the %3 dictionary</source>
        <translation>enregistrement %1 : %2 n&apos;est pas dans le dictionnaire %3</translation>
    </message>
    <message>
        <source>unknown option %1%2</source>
        <translation>option inconnue %1%2</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande donnée</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>commande inconnue %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n file name(s)</source>
        <translation>
            <numerusform>%1 attend %n nom de fichier</numerusform>
            <numerusform>%1 attend %n noms de fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>--force goes with make only</source>
        <translation>--force ne va qu&apos;avec make</translation>
    </message>
</context>
<context>
    <name>PluginProgressReport</name>
    <message>
        <source>How Are We Doing?</source>
        <translation>Où en sommes-nous&#xa0;?</translation>
    </message>
    <message>
        <source>The report cannot be shown: a part of the game is missing or damaged (%1). Installing the game again brings it back.</source>
        <translation>Le bilan ne peut pas s&apos;afficher&#xa0;: une partie du jeu manque ou est abîmée (%1). Réinstaller le jeu la remet en place.</translation>
    </message>
</context>
<context>
    <name>SpellingMarks</name>
    <message>
        <source>No spellings to suggest</source>
        <translation>Aucune orthographe à proposer</translation>
    </message>
</context>
<context>
    <name>SqliteStore</name>
    <message>
        <source>Progress is not being kept: the SQLite driver for Qt is not installed.</source>
        <translation>Les progrès ne sont pas gardés&#xa0;: le pilote SQLite de Qt n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>Progress is no longer being kept: the disk is full or cannot be written to.</source>
        <translation>Les progrès ne sont plus gardés&#xa0;: le disque est plein ou protégé en écriture.</translation>
    </message>
    <message>
        <source>Progress is not being kept: its folder cannot be written to.</source>
        <translation>Les progrès ne sont pas gardés&#xa0;: impossible d&apos;écrire dans leur dossier.</translation>
    </message>
    <message>
        <source>Progress is not being kept: another game is using it.</source>
        <translation>Les progrès ne sont pas gardés&#xa0;: un autre jeu les utilise.</translation>
    </message>
    <message>
        <source>Progress is not being kept: its file is damaged, and is left as it is.</source>
        <translation>Les progrès ne sont pas gardés&#xa0;: leur fichier est abîmé, et il est laissé tel quel.</translation>
    </message>
    <message>
        <source>Progress is not being kept: another program&apos;s file is in its place, and is left as it is.</source>
        <translation>Les progrès ne sont pas gardés&#xa0;: le fichier d&apos;un autre programme est à leur place, et il est laissé tel quel.</translation>
    </message>
    <message>
        <source>Progress is not being kept: a newer version of the game keeps it.</source>
        <translation>Les progrès ne sont pas gardés&#xa0;: une version plus récente du jeu les garde.</translation>
    </message>
    <message>
        <source>when</source>
        <translation>date</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>genre</translation>
    </message>
    <message>
        <source>list</source>
        <translation>liste</translation>
    </message>
    <message>
        <source>word</source>
        <translation>mot</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>tapé</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>test</source>
        <translation>dictée</translation>
    </message>
    <message>
        <source>test, unfinished</source>
        <translation>dictée, pas finie</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>entraînement</translation>
    </message>
    <message>
        <source>test answer</source>
        <translation>réponse de dictée</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
</context>
<context>
    <name>dlgWhoIsPlaying</name>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Supprimer…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Who Is Playing?</source>
        <translation>Qui joue&#xa0;?</translation>
    </message>
    <message>
        <source>A child&apos;s name</source>
        <translation>Le prénom d&apos;un enfant</translation>
    </message>
    <message>
        <source>There is already a child called %1.</source>
        <translation>Il y a déjà un enfant qui s&apos;appelle %1.</translation>
    </message>
    <message>
        <source>%1 could not be added: progress is not being kept.</source>
        <translation>Impossible d&apos;ajouter %1&#xa0;: les progrès ne sont pas gardés.</translation>
    </message>
    <message>
        <source>Delete %1, and everything kept of their play? This cannot be undone.</source>
        <translation>Supprimer %1, et tout ce qui est gardé de ses parties&#xa0;? Impossible de revenir en arrière.</translation>
    </message>
</context>
<context>
    <name>frmContact</name>
    <message>
        <source>If you would like to comment on this program, make suggestions for improvement, or would like to let me know about a program either you or your family could use, write to me at:</source>
        <translation>Si tu veux donner ton avis sur ce programme, proposer des idées pour l&apos;améliorer, ou me parler d&apos;un programme qui te serait utile, à toi ou à ta famille, écris-moi à :</translation>
    </message>
    <message>
        <source>You&apos;ll be glad you did!</source>
        <translation>Tu ne le regretteras pas&#xa0;!</translation>
    </message>
    <message>
        <source>Give Me a Jingle!</source>
        <translation>Fais-moi signe&#xa0;!</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>QUITTER</translation>
    </message>
</context>
<context>
    <name>frmCreateList</name>
    <message>
        <source>Add A Word</source>
        <translation>Ajouter un mot</translation>
    </message>
    <message>
        <source>Remove Word</source>
        <translation>Retirer le mot</translation>
    </message>
    <message>
        <source>Make File</source>
        <translation>Créer le fichier</translation>
    </message>
    <message>
        <source>I&apos;m Done!</source>
        <translation>J&apos;ai fini&#xa0;!</translation>
    </message>
    <message>
        <source>Add To File</source>
        <translation>Ajouter au fichier</translation>
    </message>
    <message>
        <source>Hi there! This is where you can make your own customized list of spelling words. Just type a word in the textbox, and then click the &quot;Add A Word&quot; button. You must make your list at least ten words long.To remove a word, just click on it, and then hit the Remove button. Once you have at least ten words, click the Make File button, and give your file a name. To add your words to your file, simply click on a word, then click on the Add To File button. Then, just click the I&apos;m Done! button</source>
        <translation>Bonjour&#xa0;! Ici, tu peux faire ta propre liste de mots à apprendre. Tape un mot dans la case, puis clique sur le bouton «&#xa0;Ajouter un mot&#xa0;». Ta liste doit avoir au moins dix mots. Pour retirer un mot, clique dessus, puis sur le bouton Retirer. Quand tu as au moins dix mots, clique sur le bouton Créer le fichier et donne un nom à ton fichier. Pour mettre tes mots dans le fichier, clique sur un mot, puis sur le bouton Ajouter au fichier. Ensuite, clique simplement sur le bouton J&apos;ai fini&#xa0;!</translation>
    </message>
    <message>
        <source>New Vocab List</source>
        <translation>Nouvelle liste de mots</translation>
    </message>
    <message>
        <source>The words still in your list are not in a file yet. Save them before closing?</source>
        <translation>Les mots de ta liste ne sont pas encore dans un fichier. Les enregistrer avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>Data (*.dat) | *.dat</source>
        <translation>Données (*.dat) | *.dat</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not made: this list&apos;s words go to the file made before. Close this window to start another list.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas été créé&#xa0;: les mots de cette liste vont dans le fichier créé avant. Ferme cette fenêtre pour commencer une autre liste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be made (%2).</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être créé (%2).</translation>
    </message>
    <message>
        <source>%1 Every word is still in your list.</source>
        <translation>%1 Tous les mots sont encore dans ta liste.</translation>
    </message>
    <message>
        <source>Choose a Word</source>
        <translation>Choisis un mot</translation>
    </message>
    <message>
        <source>Please click on a word in your list.</source>
        <translation>Clique sur un mot de ta liste, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>The file holds as many words as a list can.</source>
        <translation>Le fichier contient déjà autant de mots qu&apos;une liste peut en garder.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2).</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être écrit (%2).</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>no</source>
        <extracomment>Counting sound lists (sets of key sounds).</extracomment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>one</source>
        <translation>une</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>first</source>
        <translation>première</translation>
    </message>
    <message>
        <source>second</source>
        <translation>deuxième</translation>
    </message>
    <message>
        <source>third</source>
        <translation>troisième</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quatrième</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>cinquième</translation>
    </message>
    <message>
        <source>sixth</source>
        <translation>sixième</translation>
    </message>
    <message>
        <source>seventh</source>
        <translation>septième</translation>
    </message>
    <message>
        <source>eighth</source>
        <translation>huitième</translation>
    </message>
    <message>
        <source>ninth</source>
        <translation>neuvième</translation>
    </message>
    <message>
        <source>tenth</source>
        <translation>dixième</translation>
    </message>
    <message>
        <source>the %1 sounds</source>
        <translation>les sons %1</translation>
    </message>
    <message>
        <source>Careful with the Escape key: with %1, it ends the game at once.</source>
        <translation>Attention à la touche Échap&#xa0;: avec %1, elle arrête le jeu tout de suite.</translation>
    </message>
    <message numerus="yes">
        <source>Careful with the Escape key: with %1 secret set(s) of sounds, it ends the game at once.</source>
        <translation>
            <numerusform>Attention à la touche Échap&#xa0;: avec %1 série de sons secrète, elle arrête le jeu tout de suite.</numerusform>
            <numerusform>Attention à la touche Échap&#xa0;: avec %1 séries de sons secrètes, elle arrête le jeu tout de suite.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Careful with the Escape key: with %1, and with %2 other set(s), it ends the game at once.</source>
        <translation>
            <numerusform>Attention à la touche Échap&#xa0;: avec %1, et avec %2 autre série, elle arrête le jeu tout de suite.</numerusform>
            <numerusform>Attention à la touche Échap&#xa0;: avec %1, et avec %2 autres séries, elle arrête le jeu tout de suite.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %1 sound list(s).</source>
        <translation>
            <numerusform>Il y a %1 liste de sons.</numerusform>
            <numerusform>Il y a %1 listes de sons.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of them are in the Sounds menu.</source>
        <translation>
            <numerusform>%1 d&apos;entre elles est dans le menu Sons.</numerusform>
            <numerusform>%1 d&apos;entre elles sont dans le menu Sons.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of them are in the Sounds menu, and the %2 is reached by a secret command. Can you find it? If you do, write and tell me how you did it!</source>
        <translation>
            <numerusform>%1 d&apos;entre elles est dans le menu Sons, et la %2 s&apos;ouvre avec une commande secrète. Sauras-tu la trouver&#xa0;? Si tu y arrives, écris-moi pour me raconter comment tu as fait&#xa0;!</numerusform>
            <numerusform>%1 d&apos;entre elles sont dans le menu Sons, et la %2 s&apos;ouvre avec une commande secrète. Sauras-tu la trouver&#xa0;? Si tu y arrives, écris-moi pour me raconter comment tu as fait&#xa0;!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of them are in the Sounds menu, and the other %2 are reached by secret commands. Can you find them? If you do, write and tell me how you did it!</source>
        <translation>
            <numerusform>%1 d&apos;entre elles est dans le menu Sons, et les %2 autres s&apos;ouvrent avec des commandes secrètes. Sauras-tu les trouver&#xa0;? Si tu y arrives, écris-moi pour me raconter comment tu as fait&#xa0;!</numerusform>
            <numerusform>%1 d&apos;entre elles sont dans le menu Sons, et les %2 autres s&apos;ouvrent avec des commandes secrètes. Sauras-tu les trouver&#xa0;? Si tu y arrives, écris-moi pour me raconter comment tu as fait&#xa0;!</numerusform>
        </translation>
    </message>
    <message>
        <source>Help!</source>
        <translation>Au secours&#xa0;!</translation>
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
        <translation>Bienvenue dans Quillobrite&#xa0;! Ce programme aide les enfants de l&apos;école primaire à apprendre l&apos;orthographe d&apos;une façon qui marche vraiment, avec des couleurs vives, des sons joyeux et beaucoup de plaisir en chemin.

Pour commencer&#xa0;: le clavier à l&apos;écran n&apos;est qu&apos;une image, inutile de cliquer dessus. Votre enfant tape sur le vrai clavier. Choisissez d&apos;abord la classe de votre enfant dans le menu Classe&#xa0;; Quillobrite charge alors la liste de mots de cette classe.

Pour jouer&#xa0;: cliquez sur le bouton flèche en haut à gauche (ou appuyez sur Entrée, ou choisissez Fichier &gt; Mot suivant)&#xa0;: un mot apparaît à l&apos;écran et le jeu le dit à voix haute&#xa0;; cliquez sur le mot, ou choisissez Fichier &gt; Dire le mot (Ctrl+S), pour l&apos;entendre encore. Chaque lettre que tape votre enfant s&apos;affiche en haut à droite, et chaque lettre a son propre son. Les autres touches tapent ce qui est écrit dessus, comme un trait d&apos;union ou une apostrophe, et la barre d&apos;espace tape l&apos;espace d&apos;un mot comme POMME DE TERRE. Retour arrière efface la dernière lettre tapée, et Suppr efface tout l&apos;essai. Quand le mot entier est tapé, un bouton avec un point d&apos;interrogation apparaît en haut à gauche&#xa0;; cliquez dessus pour vérifier l&apos;orthographe. Un mot bien écrit reçoit un compliment, efface le mot tapé et cache une ou plusieurs lettres du mot à l&apos;écran, pour que chaque nouvel essai vienne un peu plus de la mémoire. Le quatrième mot bien écrit apporte des applaudissements et un visage souriant, et le bouton flèche revient pour le mot suivant. Une lettre fausse reçoit un petit point rouge en dessous&#xa0;: appuyez sur la touche Suppr pour effacer l&apos;essai et les points, et réessayez. Après chacun des trois premiers mots bien écrits, le jeu redit le mot, pour qu&apos;il puisse être écrit de mémoire&#xa0;; Sons &gt; Dire les mots coupe la voix.%1

Chaque mot bien écrit quatre fois gagne un visage souriant, jusqu&apos;à dix visages pour dix mots&#xa0;; une nouvelle liste commence avec un tableau vide. Quand il n&apos;y a plus de mots, la fenêtre le dit&#xa0;: choisissez Nos mots &gt; Liste suivante pour tirer dix nouveaux mots de la liste principale.

Dictée&#xa0;: Fichier &gt; Dictée (Ctrl+E) fait une dictée des mots de la liste en jeu, dans un nouvel ordre, comme le fait la maîtresse le vendredi. Le jeu dit chaque mot avec une phrase, mais ne le montre pas&#xa0;: votre enfant le tape et appuie sur Entrée ou sur le bouton point d&apos;interrogation. Un mot juste reçoit une coche verte&#xa0;; un mot faux est montré un moment à côté de ce qui a été tapé. Appuyez sur Ctrl+S pour entendre un mot encore une fois. À la fin, le jeu montre le score, un visage souriant pour chaque mot juste et les mots manqués&#xa0;; appuyez sur Les réviser pour les travailler.

Qui joue&#xa0;: Vos mots &gt; Qui joue&#xa0;? (Ctrl+I) garde un prénom pour chaque enfant, pour que les réponses, les dictées et la liste de chacun restent à part&#xa0;; quand il y a plus d&apos;un prénom, le jeu demande qui joue au démarrage. Le jeu se souvient où chaque enfant s&apos;est arrêté et des visages gagnés. Nos mots &gt; Où en sommes-nous&#xa0;? (Ctrl+R) montre les dictées d&apos;un enfant dans un tableau et un graphique, les mots le plus souvent mal écrits et les mots maîtrisés. Tout est gardé sur cet ordinateur seulement, et supprimer un enfant supprime tout ce qui est gardé sur lui.

Choisir les mots à la main&#xa0;: Nos mots &gt; Ajouter plein de mots affiche deux listes. La liste de gauche est la liste d&apos;entraînement, en général de dix mots, et Fichier &gt; Mot suivant prend ses mots dedans. La liste de droite est la liste principale. Sélectionnez des mots dans la liste principale et appuyez sur le bouton d&apos;ajout pour les mettre dans la liste d&apos;entraînement&#xa0;; sélectionnez des mots dans la liste d&apos;entraînement et appuyez sur le bouton de retrait pour les enlever. Appuyez sur C&apos;est fini quand vous avez terminé, et les deux listes se cachent.

Mots en plus&#xa0;: Vos mots &gt; Ajouter un mot affiche une case de texte et deux boutons. Tapez un mot dans la case et appuyez sur Ajouter un mot pour l&apos;ajouter à la liste d&apos;entraînement. Ils restent avec la liste en jeu jusqu&apos;à ce qu&apos;une nouvelle liste soit choisie. Appuyez sur C&apos;est fini pour cacher la case de texte.

Vos propres listes&#xa0;: Vos mots &gt; Liste perso ouvre une autre fenêtre, avec ses propres explications, pour faire une liste de mots à vous. Donnez à votre liste un nom facile à retenir, car la seule façon de la charger plus tard est Fichier &gt; Ouvrir une liste.


Pour s&apos;amuser&#xa0;: Quillobrite joue des sons pendant que votre enfant tape. %2

Bonne orthographe&#xa0;! J&apos;espère que votre enfant aimera Quillobrite et deviendra un as de l&apos;orthographe, sûr de lui et plein d&apos;entrain.
</translation>
    </message>
</context>
<context>
    <name>frmReport</name>
    <message>
        <source>Scores over time</source>
        <translation>Les scores au fil du temps</translation>
    </message>
    <message>
        <source>Spelling tests, the newest first</source>
        <translation>Dictées, la plus récente d&apos;abord</translation>
    </message>
    <message>
        <source>No spelling test has been taken yet.</source>
        <translation>Aucune dictée n&apos;a encore été faite.</translation>
    </message>
    <message>
        <source>Words most often misspelt</source>
        <translation>Les mots le plus souvent mal écrits</translation>
    </message>
    <message>
        <source>No word has been misspelt yet.</source>
        <translation>Aucun mot n&apos;a encore été mal écrit.</translation>
    </message>
    <message>
        <source>Words mastered (right in the last two tests)</source>
        <translation>Mots maîtrisés (2 dernières dictées)</translation>
    </message>
    <message>
        <source>No word has been mastered yet.</source>
        <translation>Aucun mot n&apos;est encore maîtrisé.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Practise The Hard Words</source>
        <translation>Réviser les mots difficiles</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 of %2 (unfinished)</source>
        <translation>%1 sur %2 (pas finie)</translation>
    </message>
    <message>
        <source>How Are We Doing?</source>
        <translation>Où en sommes-nous&#xa0;?</translation>
    </message>
    <message>
        <source>How your child is doing</source>
        <translation>Où en est votre enfant</translation>
    </message>
    <message>
        <source>How %1 is doing</source>
        <translation>Où en est %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Fois</translation>
    </message>
    <message>
        <source>Typed as</source>
        <translation>Tapé</translation>
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
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être enregistré. Essayez un autre dossier, ou faites de la place sur le disque.</translation>
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
        <translation>Mots justes</translation>
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
        <translation>février 2001 apr. J.-C.</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Gratuit</translation>
    </message>
    <message>
        <source>By the Quillobrite team</source>
        <translation>Par l&apos;équipe Quillobrite</translation>
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
        <translation>Mot suivant</translation>
    </message>
    <message>
        <source>All Done!</source>
        <translation>C&apos;est fini&#xa0;!</translation>
    </message>
    <message>
        <source>Remove Word</source>
        <translation>Retirer le mot</translation>
    </message>
    <message>
        <source>&lt;&lt;Add A Word</source>
        <translation>&lt;&lt;Ajouter le mot</translation>
    </message>
    <message>
        <source>Add A Word</source>
        <translation>Ajouter un mot</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open A List</source>
        <translation>Ouvrir une liste</translation>
    </message>
    <message>
        <source>&amp;Next Word</source>
        <translation>&amp;Mot suivant</translation>
    </message>
    <message>
        <source>&amp;Say The Word</source>
        <translation>&amp;Dire le mot</translation>
    </message>
    <message>
        <source>&amp;Our Words</source>
        <translation>&amp;Nos mots</translation>
    </message>
    <message>
        <source>Next &amp;List</source>
        <translation>&amp;Liste suivante</translation>
    </message>
    <message>
        <source>Add Lots Of Words</source>
        <translation>Ajouter plein de mots</translation>
    </message>
    <message>
        <source>&amp;Your Words</source>
        <translation>&amp;Vos mots</translation>
    </message>
    <message>
        <source>Custom Lis&amp;t</source>
        <translation>Liste &amp;perso</translation>
    </message>
    <message>
        <source>Ad&amp;d A Word</source>
        <translation>&amp;Ajouter un mot</translation>
    </message>
    <message>
        <source>Grade Level</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>Say The Words</source>
        <translation>Dire les mots</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a word list, so it was not opened. Word lists are made with Your Words &gt; Custom List.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une liste de mots, il n&apos;a donc pas été ouvert. Les listes de mots se font avec Vos mots &gt; Liste perso.</translation>
    </message>
    <message>
        <source>No word in &quot;%1&quot; fits in a list (at most 14 letters, each one the game can show), so it was not opened.</source>
        <translation>Aucun mot de «&#xa0;%1&#xa0;» ne tient dans une liste (14 lettres au plus, toutes des lettres que le jeu sait afficher), il n&apos;a donc pas été ouvert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no words, so it was not opened.</source>
        <translation>«&#xa0;%1&#xa0;» ne contient aucun mot, il n&apos;a donc pas été ouvert.</translation>
    </message>
    <message>
        <source>Words left out, as a list holds only words of at most 14 letters, each one the game can show: %1.</source>
        <translation>Mots laissés de côté, car une liste ne garde que des mots de 14 lettres au plus, toutes des lettres que le jeu sait afficher&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Data (%1) | %1</source>
        <translation>Données (%1) | %1</translation>
    </message>
    <message>
        <source>That was the last word on the list. Well done!

Grown-ups: Our Words &gt; Next List draws ten new words from the list (choose a Grade Level first for another grade), or File &gt; Open A List plays a list of your own.</source>
        <translation>C&apos;était le dernier mot de la liste. Bravo&#xa0;!

Pour les grands&#xa0;: Nos mots &gt; Liste suivante tire dix nouveaux mots de la liste (choisissez d&apos;abord une Classe pour une autre classe), ou Fichier &gt; Ouvrir une liste joue une de vos listes.</translation>
    </message>
    <message>
        <source>Press Delete, then spell it again.</source>
        <translation>Appuie sur Suppr, puis écris-le encore une fois.</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Practise These</source>
        <translation>Les réviser</translation>
    </message>
    <message>
        <source>Spelling T&amp;est</source>
        <translation>Dic&amp;tée</translation>
    </message>
    <message>
        <source>How Are We &amp;Doing?</source>
        <translation>Où en &amp;sommes-nous&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Who Is Playing?</source>
        <translation>&amp;Qui joue&#xa0;?</translation>
    </message>
    <message>
        <source>Welcome back!</source>
        <translation>Bon retour&#xa0;!</translation>
    </message>
    <message>
        <source>Welcome back, %1!</source>
        <translation>Bon retour, %1&#xa0;!</translation>
    </message>
    <message>
        <source>There are no words to test yet. Choose a Grade Level, or open a list, first.</source>
        <translation>Il n&apos;y a pas encore de mots pour une dictée. Choisissez d&apos;abord une Classe, ou ouvrez une liste.</translation>
    </message>
    <message>
        <source>%1 (not %2)</source>
        <translation>%1 (pas %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Every word right!</source>
        <translation>Tous les mots sont justes&#xa0;!</translation>
    </message>
    <message>
        <source>Words to practise:</source>
        <translation>Mots à réviser&#xa0;:</translation>
    </message>
</context>
<context>
    <name>grades</name>
    <message>
        <source>First</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>CE1</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>CE2</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>CM1</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>CM2</translation>
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
        <translation>«&#xa0;%1&#xa0;» contient «&#xa0;%2&#xa0;», un caractère qu&apos;une liste de mots ne peut pas garder.</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is %n letters long; a word in a list can have at most 14.</source>
        <translation>
            <numerusform>«&#xa0;%1&#xa0;» a %n lettre&#xa0;; un mot d&apos;une liste peut en avoir 14 au plus.</numerusform>
            <numerusform>«&#xa0;%1&#xa0;» a %n lettres&#xa0;; un mot d&apos;une liste peut en avoir 14 au plus.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in your list already.</source>
        <translation>«&#xa0;%1&#xa0;» est déjà dans ta liste.</translation>
    </message>
</context>
</TS>
