<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ListFormat</name>
    <message numerus="yes">
        <source>&quot;%1&quot; was read as a text list of %n word(s).</source>
        <translation>
            <numerusform>&quot;%1&quot; was read as a text list of %n word.</numerusform>
            <numerusform>&quot;%1&quot; was read as a text list of %n words.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListTool</name>
    <message numerus="yes">
        <source>not written: %n word(s) cannot be stored; --force leaves them out</source>
        <translation>
            <numerusform>not written: %n word cannot be stored; --force leaves it out</numerusform>
            <numerusform>not written: %n words cannot be stored; --force leaves them out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %n word(s): records %1 to %2 stay blank, as the game&apos;s editor leaves them</source>
        <translation>
            <numerusform>only %n word: records %1 to %2 stay blank, as the game&apos;s editor leaves them</numerusform>
            <numerusform>only %n words: records %1 to %2 stay blank, as the game&apos;s editor leaves them</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>trailing fragment of %n byte(s), never read</source>
        <translation>
            <numerusform>trailing fragment of %n byte, never read</numerusform>
            <numerusform>trailing fragment of %n bytes, never read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n file name(s)</source>
        <translation>
            <numerusform>%1 takes %n file name</numerusform>
            <numerusform>%1 takes %n file names</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message numerus="yes">
        <source>Careful with the Escape key: with %1 secret set(s) of sounds, it ends the game at once.</source>
        <translation>
            <numerusform>Careful with the Escape key: with %1 secret set of sounds, it ends the game at once.</numerusform>
            <numerusform>Careful with the Escape key: with %1 secret sets of sounds, it ends the game at once.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Careful with the Escape key: with %1, and with %2 other set(s), it ends the game at once.</source>
        <translation>
            <numerusform>Careful with the Escape key: with %1, and with %2 other set, it ends the game at once.</numerusform>
            <numerusform>Careful with the Escape key: with %1, and with %2 other sets, it ends the game at once.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %1 sound list(s).</source>
        <translation>
            <numerusform>There is %1 sound list.</numerusform>
            <numerusform>There are %1 sound lists.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of them are in the Sounds menu.</source>
        <translation>
            <numerusform>%1 of them is in the Sounds menu.</numerusform>
            <numerusform>%1 of them are in the Sounds menu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of them are in the Sounds menu, and the %2 is reached by a secret command. Can you find it? If you do, write and tell me how you did it!</source>
        <translation>
            <numerusform>%1 of them is in the Sounds menu, and the %2 is reached by a secret command. Can you find it? If you do, write and tell me how you did it!</numerusform>
            <numerusform>%1 of them are in the Sounds menu, and the %2 is reached by a secret command. Can you find it? If you do, write and tell me how you did it!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of them are in the Sounds menu, and the other %2 are reached by secret commands. Can you find them? If you do, write and tell me how you did it!</source>
        <translation>
            <numerusform>%1 of them is in the Sounds menu, and the other %2 are reached by secret commands. Can you find them? If you do, write and tell me how you did it!</numerusform>
            <numerusform>%1 of them are in the Sounds menu, and the other %2 are reached by secret commands. Can you find them? If you do, write and tell me how you did it!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wordrefusal</name>
    <message numerus="yes">
        <source>&quot;%1&quot; is %n letters long; a word in a list can have at most 14.</source>
        <translation>
            <numerusform>&quot;%1&quot; is %n letter long; a word in a list can have at most 14.</numerusform>
            <numerusform>&quot;%1&quot; is %n letters long; a word in a list can have at most 14.</numerusform>
        </translation>
    </message>
</context>
</TS>
