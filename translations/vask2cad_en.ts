<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>Menu</name>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="25"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="26"/>
        <source>&amp;Nuovo...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="27"/>
        <source>&amp;Apri...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="29"/>
        <source>File &amp;recenti</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="35"/>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="36"/>
        <source>Sa&amp;lva con nome...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="37"/>
        <source>S&amp;tampa...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="38"/>
        <source>Es&amp;porta immagine...</source>
        <translation>E&amp;xport image...</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="39"/>
        <source>&amp;Esci</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="40"/>
        <source>&amp;Modifica</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="41"/>
        <source>&amp;Annulla</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="42"/>
        <source>&amp;Ripeti</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="43"/>
        <source>&amp;Copia risultati</source>
        <translation>&amp;Copy results</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="44"/>
        <source>Str&amp;umenti</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="45"/>
        <source>&amp;Snap</source>
        <translation>&amp;Snap</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="46"/>
        <location filename="../src/app/finestramenu.cpp" line="79"/>
        <source>&amp;Griglia</source>
        <translation>&amp;Grid</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="47"/>
        <source>&amp;Oggetto</source>
        <translation>&amp;Object</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="48"/>
        <source>&amp;Togli snap</source>
        <translation>Snap &amp;off</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="49"/>
        <source>&amp;Togli osnap</source>
        <translation>Osnap o&amp;ff</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="50"/>
        <source>&amp;Disegno</source>
        <translation>&amp;Draw</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="51"/>
        <location filename="../src/app/finestramenu.cpp" line="58"/>
        <source>&amp;Rettangolo</source>
        <translation>&amp;Rectangle</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="52"/>
        <location filename="../src/app/finestramenu.cpp" line="59"/>
        <source>&amp;Triangolo</source>
        <translation>&amp;Triangle</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="53"/>
        <location filename="../src/app/finestramenu.cpp" line="60"/>
        <source>&amp;Cerchio</source>
        <translation>&amp;Circle</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="54"/>
        <location filename="../src/app/finestramenu.cpp" line="61"/>
        <location filename="../src/app/finestramenu.cpp" line="91"/>
        <source>&amp;Linea</source>
        <translation>&amp;Line</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="55"/>
        <source>Distanza</source>
        <translation>Distance</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="56"/>
        <source>&amp;Carico</source>
        <translation>&amp;Load</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="57"/>
        <source>&amp;Seleziona</source>
        <translation>&amp;Select</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="62"/>
        <source>&amp;Visualizza</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="63"/>
        <source>Ri&amp;genera</source>
        <translation>Re&amp;generate</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="64"/>
        <source>Pan</source>
        <translation>Pan</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="65"/>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="66"/>
        <source>&amp;Piu +</source>
        <translation>&amp;In +</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="67"/>
        <source>&amp;Meno -</source>
        <translation>&amp;Out -</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="68"/>
        <source>Zoom &amp;estensioni</source>
        <translation>Zoom &amp;extents</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="69"/>
        <source>&amp;Risultati</source>
        <translation>&amp;Results</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="70"/>
        <source>&amp;Tabella elementi...</source>
        <translation>Element &amp;table...</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="71"/>
        <source>Relazione di &amp;calcolo...</source>
        <translation>&amp;Calculation report...</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="72"/>
        <source>Cerchio di &amp;Mohr...</source>
        <translation>&amp;Mohr's circle...</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="73"/>
        <source>&amp;Preferenze</source>
        <translation>&amp;Preferences</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="74"/>
        <source>&amp;Colori</source>
        <translation>&amp;Colours</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="75"/>
        <source>&amp;Sfondo</source>
        <translation>&amp;Background</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="76"/>
        <location filename="../src/app/finestramenu.cpp" line="80"/>
        <location filename="../src/app/finestramenu.cpp" line="86"/>
        <location filename="../src/app/finestramenu.cpp" line="92"/>
        <source>&amp;Bianco</source>
        <translation>&amp;White</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="77"/>
        <location filename="../src/app/finestramenu.cpp" line="81"/>
        <location filename="../src/app/finestramenu.cpp" line="87"/>
        <location filename="../src/app/finestramenu.cpp" line="93"/>
        <source>&amp;Nero</source>
        <translation>&amp;Black</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="78"/>
        <location filename="../src/app/finestramenu.cpp" line="82"/>
        <location filename="../src/app/finestramenu.cpp" line="88"/>
        <source>&amp;Grigio</source>
        <translation>&amp;Grey</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="83"/>
        <location filename="../src/app/finestramenu.cpp" line="89"/>
        <location filename="../src/app/finestramenu.cpp" line="95"/>
        <source>&amp;Rosso</source>
        <translation>&amp;Red</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="84"/>
        <location filename="../src/app/finestramenu.cpp" line="90"/>
        <source>&amp;Giallo</source>
        <translation>&amp;Yellow</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="85"/>
        <source>&amp;Sezione</source>
        <translation>&amp;Section</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="94"/>
        <source>&amp;Verde</source>
        <translation>&amp;Green</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="96"/>
        <source>&amp;Blu</source>
        <translation>B&amp;lue</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="97"/>
        <source>Spessori</source>
        <translation>Line widths</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="98"/>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="99"/>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="100"/>
        <source>&amp;Guida</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="101"/>
        <source>&amp;Informazioni</source>
        <translation>&amp;About</translation>
    </message>
</context>
</TS>
