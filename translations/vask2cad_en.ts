<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>Finestre</name>
    <message>
        <location filename="../src/app/archivio.cpp" line="15"/>
        <source>Sezioni di Vask_2 cad (*.vask)</source>
        <translation>Vask_2 cad sections (*.vask)</translation>
    </message>
    <message>
        <location filename="../src/app/archivio.cpp" line="18"/>
        <source>La sezione è stata modificata. Salvare le modifiche prima di aprire un&apos;altra sezione?</source>
        <translation>The section has been changed. Save the changes before opening another section?</translation>
    </message>
    <message>
        <location filename="../src/app/archivio.cpp" line="84"/>
        <source>Apri sezione</source>
        <translation>Open section</translation>
    </message>
    <message>
        <location filename="../src/app/archivio.cpp" line="85"/>
        <source>Tutti i file (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <location filename="../src/app/archivio.cpp" line="88"/>
        <source>Salva sezione</source>
        <translation>Save section</translation>
    </message>
    <message>
        <location filename="../src/app/archivio.cpp" line="111"/>
        <source>Il file «%1» non esiste più: è stato tolto dall&apos;elenco dei file recenti.</source>
        <translation>The file “%1” no longer exists: it has been removed from the list of recent files.</translation>
    </message>
    <message>
        <location filename="../src/app/archivio.cpp" line="115"/>
        <source>File recente non trovato.</source>
        <translation>Recent file not found.</translation>
    </message>
    <message>
        <location filename="../src/app/archivio.cpp" line="125"/>
        <source>Modifiche non salvate.</source>
        <translation>Unsaved changes.</translation>
    </message>
    <message>
        <location filename="../src/app/archivio.cpp" line="142"/>
        <source>Sezione non aperta.</source>
        <translation>Section not opened.</translation>
    </message>
    <message>
        <location filename="../src/app/archivio.cpp" line="177"/>
        <source>Impossibile salvare «%1»: %2.</source>
        <translation>Cannot save “%1”: %2.</translation>
    </message>
    <message>
        <location filename="../src/app/archivio.cpp" line="180"/>
        <source>Salvataggio non riuscito.</source>
        <translation>Save failed.</translation>
    </message>
    <message>
        <location filename="../src/app/esportazione.cpp" line="44"/>
        <location filename="../src/app/esportazione.cpp" line="51"/>
        <source>Esporta immagine</source>
        <translation>Export image</translation>
    </message>
    <message>
        <location filename="../src/app/esportazione.cpp" line="45"/>
        <source>Immagine PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <location filename="../src/app/esportazione.cpp" line="46"/>
        <source>Disegno SVG (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <location filename="../src/app/esportazione.cpp" line="56"/>
        <source>Larghezza in pixel (da %1 a %2; l&apos;altezza segue la proporzione 20:12):</source>
        <translation>Width in pixels (from %1 to %2; the height keeps the 20:12 ratio):</translation>
    </message>
    <message>
        <location filename="../src/app/esportazione.cpp" line="60"/>
        <location filename="../src/app/stampa.cpp" line="190"/>
        <source>Colori dello schermo</source>
        <translation>Screen colours</translation>
    </message>
    <message>
        <location filename="../src/app/esportazione.cpp" line="105"/>
        <source>memoria insufficiente per un&apos;immagine così grande</source>
        <translation>not enough memory for so large an image</translation>
    </message>
    <message>
        <location filename="../src/app/esportazione.cpp" line="108"/>
        <source>formato «%1» non previsto</source>
        <translation>format “%1” not supported</translation>
    </message>
    <message>
        <location filename="../src/app/esportazione.cpp" line="114"/>
        <source>Impossibile esportare «%1»: %2.</source>
        <translation>Cannot export “%1”: %2.</translation>
    </message>
    <message>
        <location filename="../src/app/esportazione.cpp" line="117"/>
        <source>Esportazione non riuscita.</source>
        <translation>Export failed.</translation>
    </message>
    <message>
        <location filename="../src/app/guida.cpp" line="41"/>
        <source>Guida - Vask_2 cad</source>
        <translation>Help - Vask_2 cad</translation>
    </message>
    <message>
        <location filename="../src/app/guida.cpp" line="43"/>
        <source>Cerca:</source>
        <translation>Search:</translation>
    </message>
    <message>
        <location filename="../src/app/guida.cpp" line="49"/>
        <source>Trova successivo</source>
        <translation>Find next</translation>
    </message>
    <message>
        <location filename="../src/app/guida.cpp" line="137"/>
        <source>Nessuna corrispondenza.</source>
        <translation>No match.</translation>
    </message>
    <message>
        <location filename="../src/app/guida.cpp" line="151"/>
        <source>Ricerca ripresa dall&apos;inizio.</source>
        <translation>Search started again from the top.</translation>
    </message>
    <message>
        <location filename="../src/app/mohr.cpp" line="16"/>
        <source>Ascisse: momenti di inerzia; ordinate: prodotti di inerzia, positivi verso l&apos;alto. X = (Ixg; Ixgyg), Y = (Iyg; −Ixgyg). Da CX, ruotando di 2α nello stesso verso di α nel disegno (antiorario se positivo), si arriva a Ixc.</source>
        <translation>Abscissas: moments of inertia; ordinates: products of inertia, positive upwards. X = (Ixg; Ixgyg), Y = (Iyg; −Ixgyg). Starting from CX and turning by 2α in the same sense as α in the drawing (anticlockwise if positive), one reaches Ixc.</translation>
    </message>
    <message>
        <location filename="../src/app/mohr.cpp" line="80"/>
        <source>Cerchio di Mohr</source>
        <translation>Mohr&apos;s circle</translation>
    </message>
    <message>
        <location filename="../src/app/mohr.cpp" line="105"/>
        <location filename="../src/app/relazione.cpp" line="54"/>
        <location filename="../src/app/stampa.cpp" line="84"/>
        <source>Nessun calcolo eseguito.</source>
        <translation>No calculation run.</translation>
    </message>
    <message>
        <location filename="../src/app/relazione.cpp" line="138"/>
        <source>Relazione di calcolo</source>
        <translation>Calculation report</translation>
    </message>
    <message>
        <location filename="../src/app/relazione.cpp" line="132"/>
        <source>Salva la relazione</source>
        <translation>Save the report</translation>
    </message>
    <message>
        <location filename="../src/app/relazione.cpp" line="48"/>
        <source>Stampa...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <location filename="../src/app/relazione.cpp" line="49"/>
        <source>Salva...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <location filename="../src/app/relazione.cpp" line="133"/>
        <source>Pagina HTML (*.html);;Documento PDF (*.pdf)</source>
        <translation>HTML page (*.html);;PDF document (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/app/splash.cpp" line="29"/>
        <location filename="../src/app/splash.cpp" line="43"/>
        <location filename="../src/app/stampa.cpp" line="182"/>
        <source>Vask_2 cad</source>
        <translation>Vask_2 cad</translation>
    </message>
    <message>
        <location filename="../src/app/splash.cpp" line="50"/>
        <source>Versione   </source>
        <translation>Version   </translation>
    </message>
    <message>
        <location filename="../src/app/splash.cpp" line="51"/>
        <source>Software didattico.</source>
        <translation>Teaching software.</translation>
    </message>
    <message>
        <location filename="../src/app/splash.cpp" line="53"/>
        <source>Programma didattico per la geometria delle masse.</source>
        <translation>A teaching program for the geometry of masses.</translation>
    </message>
    <message>
        <location filename="../src/app/splash.cpp" line="56"/>
        <source>Baricentro, momenti di inerzia, ellisse e nocciolo centrale.</source>
        <translation>Centroid, moments of inertia, central ellipse and central kern.</translation>
    </message>
    <message>
        <location filename="../src/app/splash.cpp" line="63"/>
        <source>Avvia Vask_2 cad</source>
        <translation>Start Vask_2 cad</translation>
    </message>
    <message>
        <location filename="../src/app/splash.cpp" line="69"/>
        <source>Clic o un tasto qualsiasi per iniziare</source>
        <translation>Click or press any key to begin</translation>
    </message>
    <message>
        <location filename="../src/app/stampa.cpp" line="86"/>
        <source>Risultati dell&apos;ultimo calcolo: la sezione è cambiata dopo.</source>
        <translation>Results of the last calculation: the section has changed since.</translation>
    </message>
    <message>
        <location filename="../src/app/stampa.cpp" line="187"/>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <location filename="../src/app/stampa.cpp" line="189"/>
        <source>Colori</source>
        <translation>Colours</translation>
    </message>
    <message>
        <location filename="../src/app/stampa.cpp" line="212"/>
        <source>Impossibile stampare la pagina: la stampante o il file non sono disponibili.</source>
        <translation>Cannot print the page: the printer or the file is not available.</translation>
    </message>
    <message>
        <location filename="../src/app/stampa.cpp" line="215"/>
        <source>Stampa non riuscita.</source>
        <translation>Printing failed.</translation>
    </message>
    <message>
        <location filename="../src/app/tabella.cpp" line="120"/>
        <source>Elementi della sezione</source>
        <translation>Section elements</translation>
    </message>
    <message>
        <location filename="../src/app/relazione.cpp" line="50"/>
        <location filename="../src/app/tabella.cpp" line="124"/>
        <source>Copia</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location filename="../src/app/tabella.cpp" line="125"/>
        <source>Copia le righe scelte (o tutte) come testo separato da tabulazioni</source>
        <translation>Copies the chosen rows (or all of them) as tab-separated text</translation>
    </message>
    <message>
        <location filename="../src/app/tabella.cpp" line="126"/>
        <source>Incolla</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location filename="../src/app/tabella.cpp" line="127"/>
        <source>Aggiunge gli elementi delle righe copiate da un foglio di calcolo</source>
        <translation>Adds the elements of the rows copied from a spreadsheet</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="85"/>
        <source>manca il campo &quot;%1&quot; %2.</source>
        <translation>the field &quot;%1&quot; %2 is missing.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="90"/>
        <source>il campo &quot;%1&quot; %2 non è un numero.</source>
        <translation>the field &quot;%1&quot; %2 is not a number.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="97"/>
        <source>il campo &quot;%1&quot; %2 è fuori dei limiti dei numeri.</source>
        <translation>the field &quot;%1&quot; %2 is beyond the range of numbers.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="110"/>
        <source>il campo &quot;%1&quot; %2 deve essere true o false.</source>
        <translation>the field &quot;%1&quot; %2 must be true or false.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="127"/>
        <source>il colore &quot;%1&quot; delle preferenze non è nella forma #rrggbb.</source>
        <translation>the colour &quot;%1&quot; of the preferences is not in the form #rrggbb.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="139"/>
        <source>&quot;%1&quot; deve essere un oggetto.</source>
        <translation>&quot;%1&quot; must be an object.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="152"/>
        <source>&quot;%1&quot; deve essere una lista.</source>
        <translation>&quot;%1&quot; must be a list.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="157"/>
        <source>contiene %1 %2: al massimo %3.</source>
        <translation>the list &quot;%2&quot; holds %1 elements: %3 at most.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="167"/>
        <source>l&apos;elemento %1 deve essere un oggetto.</source>
        <translation>the element %1 must be an object.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="186"/>
        <source>oggetto non chiuso</source>
        <translation>object not closed</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="188"/>
        <source>mancano i due punti dopo un nome</source>
        <translation>colon missing after a name</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="189"/>
        <source>lista non chiusa</source>
        <translation>list not closed</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="190"/>
        <source>virgola mancante</source>
        <translation>comma missing</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="191"/>
        <source>valore non valido</source>
        <translation>invalid value</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="193"/>
        <source>il testo finisce dentro un numero</source>
        <translation>the text ends inside a number</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="194"/>
        <source>numero non valido</source>
        <translation>invalid number</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="195"/>
        <source>sequenza di escape non valida</source>
        <translation>invalid escape sequence</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="196"/>
        <source>testo non UTF-8 valido</source>
        <translation>text that is not valid UTF-8</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="197"/>
        <source>testo tra virgolette non chiuso</source>
        <translation>quoted text not closed</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="198"/>
        <source>manca un valore dopo una virgola</source>
        <translation>a value is missing after a comma</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="199"/>
        <source>troppi livelli annidati</source>
        <translation>too many nested levels</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="200"/>
        <source>documento troppo grande</source>
        <translation>document too large</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="201"/>
        <source>altro testo dopo la fine</source>
        <translation>more text after the end</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="202"/>
        <source>errore di sintassi</source>
        <translation>syntax error</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="214"/>
        <source>il nome del file non è UTF-8 valido.</source>
        <translation>the file name is not valid UTF-8.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="215"/>
        <source>il file non esiste.</source>
        <translation>the file does not exist.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="217"/>
        <source>troppi collegamenti simbolici nel percorso (forse un anello).</source>
        <translation>too many symbolic links in the path (perhaps a loop).</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="218"/>
        <source>una parte del percorso non è una cartella.</source>
        <translation>a part of the path is not a folder.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="219"/>
        <source>il nome del file è troppo lungo.</source>
        <translation>the file name is too long.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="222"/>
        <source>non si ha il permesso di leggerlo.</source>
        <translation>there is no permission to read it.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="223"/>
        <source>non si ha il permesso di entrare in una cartella del percorso.</source>
        <translation>there is no permission to enter a folder of the path.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="226"/>
        <source>il sistema non lo lascia leggere (errore %1).</source>
        <translation>the system does not let it be read (error %1).</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="259"/>
        <source>il file è troppo grande per essere una sezione.</source>
        <translation>the file is too large to be a section.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="263"/>
        <source>il testo non è JSON valido (%1, al carattere %2).</source>
        <translation>the text is not valid JSON (%1, at character %2).</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="266"/>
        <source>il file non contiene un oggetto JSON.</source>
        <translation>the file does not hold a JSON object.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="269"/>
        <source>manca la versione del formato.</source>
        <translation>the format&apos;s version is missing.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="271"/>
        <source>la versione del formato non è un numero intero.</source>
        <translation>the format&apos;s version is not a whole number.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="274"/>
        <source>la versione del formato è fuori dei limiti.</source>
        <translation>the format&apos;s version is out of range.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="278"/>
        <source>la versione %1 del formato non è conosciuta.</source>
        <translation>version %1 of the format is not known.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="281"/>
        <source>del rettangolo %1</source>
        <translation>of rectangle %1</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="283"/>
        <source>del triangolo %1</source>
        <translation>of triangle %1</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="284"/>
        <source>del cerchio %1</source>
        <translation>of circle %1</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="285"/>
        <source>della linea %1</source>
        <translation>of line %1</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="287"/>
        <source>della vista</source>
        <translation>of the view</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="296"/>
        <source>il passo della griglia deve essere un testo.</source>
        <translation>the grid step must be a text.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="299"/>
        <source>della griglia</source>
        <translation>of the grid</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="311"/>
        <source>delle preferenze</source>
        <translation>of the preferences</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="322"/>
        <source>è una cartella, non un file.</source>
        <translation>it is a folder, not a file.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="324"/>
        <location filename="../src/app/filesezione.cpp" line="333"/>
        <source>non è un file ordinario.</source>
        <translation>it is not a regular file.</translation>
    </message>
    <message>
        <location filename="../src/app/filesezione.cpp" line="345"/>
        <source>Impossibile aprire «%1»: %2</source>
        <translation>Cannot open “%1”: %2</translation>
    </message>
    <message>
        <location filename="../src/app/finestraeventi.cpp" line="157"/>
        <source>La sezione è stata modificata. Salvare le modifiche prima di chiudere?</source>
        <translation>The section has been changed. Save the changes before closing?</translation>
    </message>
    <message>
        <location filename="../src/app/finestrastati.cpp" line="148"/>
        <source>Copia i quindici risultati</source>
        <translation>Copy the fifteen results</translation>
    </message>
    <message>
        <location filename="../src/app/finestrastati.cpp" line="149"/>
        <source>I passi dell&apos;ultimo calcolo</source>
        <translation>The steps of the last calculation</translation>
    </message>
    <message>
        <location filename="../src/app/finestrastati.cpp" line="150"/>
        <source>Il cerchio di Mohr dei momenti centrali</source>
        <translation>Mohr&apos;s circle of the central moments</translation>
    </message>
    <message>
        <location filename="../src/app/messaggiqt.cpp" line="30"/>
        <source>&amp;Sì</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <location filename="../src/app/messaggiqt.cpp" line="31"/>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <location filename="../src/app/messaggiqt.cpp" line="34"/>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
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
        <translation>&amp;Mohr&apos;s circle...</translation>
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
        <source>&amp;Lingua</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="103"/>
        <source>&amp;Guida</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../src/app/finestramenu.cpp" line="104"/>
        <source>&amp;Informazioni</source>
        <translation>&amp;About</translation>
    </message>
</context>
<context>
    <name>Relazione</name>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="10"/>
        <source>La sezione è cambiata dopo l&apos;ultimo calcolo: premi Esegui.</source>
        <translation>The section has changed since the last calculation: press Run.</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="17"/>
        <source>Relazione di calcolo</source>
        <translation>Calculation report</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="18"/>
        <source>Rettangolo %1</source>
        <translation>Rectangle %1</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="19"/>
        <source>Triangolo %1</source>
        <translation>Triangle %1</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="20"/>
        <source>Cerchio %1</source>
        <translation>Circle %1</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="21"/>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="22"/>
        <source>Elemento</source>
        <translation>Element</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="32"/>
        <source>8. Carico</source>
        <translation>8. Load</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="33"/>
        <source>Centro di sollecitazione C = %1, in coordinate centrali ξC = %2, ηC = %3.</source>
        <translation>Load point C = %1, in central coordinates ξC = %2, ηC = %3.</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="38"/>
        <source>C coincide con G: l&apos;asse neutro è all&apos;infinito e s = ρ in ogni punto.</source>
        <translation>C coincides with G: the neutral axis is at infinity and s = ρ at every point.</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="41"/>
        <source>Asse neutro, antipolare di C rispetto all&apos;ellisse centrale: ξ0 = −Ryc²/ξC = %1, η0 = −Rxc²/ηC = %2.</source>
        <translation>Neutral axis, the antipolar of C with respect to the central ellipse: ξ0 = −Ryc²/ξC = %1, η0 = −Rxc²/ηC = %2.</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="47"/>
        <source>s = ρ·(1 + ξC·ξ/Ryc² + ηC·η/Rxc²) è la tensione in multipli della tensione media N/M di compressione, sui vertici degli elementi pieni e sui punti estremi dei cerchi pieni: smin = %1 in %2, smax = %3 in %4.</source>
        <translation>s = ρ·(1 + ξC·ξ/Ryc² + ηC·η/Rxc²) is the stress as a multiple of the mean compressive stress N/M, at the vertices of the solid elements and at the extreme points of the solid circles: smin = %1 at %2, smax = %3 at %4.</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="64"/>
        <source>1. Elementi</source>
        <translation>1. Elements</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="65"/>
        <source>Elementi</source>
        <translation>Elements</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="73"/>
        <source>m = ρ·A; Sx = m·yG e Sy = m·xG sono i momenti statici; Ix&apos;, Iy&apos;, Ixy&apos; sono i momenti propri di ogni elemento rispetto ai suoi assi baricentrici paralleli a x e y; Ix = Ix&apos; + m·yG², Iy = Iy&apos; + m·xG², Ixy = Ixy&apos; + m·xG·yG rispetto agli assi di riferimento.</source>
        <translation>m = ρ·A; Sx = m·yG and Sy = m·xG are the static moments; Ix&apos;, Iy&apos;, Ixy&apos; are the own moments of each element about its centroidal axes parallel to x and y; Ix = Ix&apos; + m·yG², Iy = Iy&apos; + m·xG², Ixy = Ixy&apos; + m·xG·yG about the reference axes.</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="81"/>
        <source>2. Baricentro</source>
        <translation>2. Centroid</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="87"/>
        <source>3. Momenti centrali (Huygens-Steiner)</source>
        <translation>3. Centroidal moments (Huygens-Steiner)</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="98"/>
        <source>Con i numeri scritti a sette cifre la sottrazione perde cifre, tanto più quanto più la sezione è lontana dall&apos;origine (darebbe %1, %2, %3): il programma somma invece, elemento per elemento, il momento proprio e il trasporto al baricentro, come nella tabella seguente.</source>
        <translation>With the numbers written to seven digits the subtraction loses digits, the more so the farther the section is from the origin (it would give %1, %2, %3): the program instead adds up, element by element, the own moment and the transfer to the centroid, as in the following table.</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="103"/>
        <source>Trasporto al baricentro</source>
        <translation>Transfer to the centroid</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="111"/>
        <source>Con i fori un momento baricentrico è negativo: il pannello lo mostra come 0, i momenti principali e l&apos;angolo sono calcolati dal valore vero.</source>
        <translation>With the holes a centroidal moment is negative: the panel shows it as 0; the principal moments and the angle are computed from the true value.</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="116"/>
        <source>4. Assi e momenti principali</source>
        <translation>4. Principal axes and moments</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="122"/>
        <source>Ixg = Iyg: α = 0 se Ixgyg = 0, −45° se Ixgyg &gt; 0, +45° se Ixgyg &lt; 0 = %1°</source>
        <translation>Ixg = Iyg: α = 0 if Ixgyg = 0, −45° if Ixgyg &gt; 0, +45° if Ixgyg &lt; 0 = %1°</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="127"/>
        <source>Ixg &lt; Iyg: t = arctan(−2·Ixgyg / (Iyg − Ixg)), α = segno(t)·(90° − |t|/2) = %1°</source>
        <translation>Ixg &lt; Iyg: t = arctan(−2·Ixgyg / (Iyg − Ixg)), α = sign(t)·(90° − |t|/2) = %1°</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="131"/>
        <source>Entro 0,35° dagli assi x e y gli assi centrali si disegnano diritti: α = %1°.</source>
        <translation>Within 0.35° of the x and y axes the central axes are drawn straight: α = %1°.</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="137"/>
        <source>5. Moduli di resistenza</source>
        <translation>5. Section moduli</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="138"/>
        <source>d+ e d− sono le distanze del punto di materiale più lontano dall&apos;asse da ciascun lato (lato + di Xc: η &gt; 0; lato + di Yc: ξ &gt; 0), W = I/d.</source>
        <translation>d+ and d− are the distances of the farthest point of material from the axis on each side (+ side of Xc: η &gt; 0; + side of Yc: ξ &gt; 0), W = I/d.</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="141"/>
        <source>Moduli di resistenza</source>
        <translation>Section moduli</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="142"/>
        <source>Asse</source>
        <translation>Axis</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="150"/>
        <source>6. Nocciolo</source>
        <translation>6. Kern</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="151"/>
        <source>Coordinate centrali: origine G, ξ lungo Xc, η lungo Yc. La linea ξ/ξ0 + η/η0 = 1 ha l&apos;antipolo (u; v) = (−Ryc²/ξ0; −Rxc²/η0) rispetto all&apos;ellisse centrale; gli antipoli sono i vertici del nocciolo, uniti nel loro ordine intorno a G.</source>
        <translation>Central coordinates: origin G, ξ along Xc, η along Yc. The line ξ/ξ0 + η/η0 = 1 has the antipole (u; v) = (−Ryc²/ξ0; −Rxc²/η0) with respect to the central ellipse; the antipoles are the vertices of the kern, joined in their order around G.</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="157"/>
        <source>Nessuna linea di chiusura: il nocciolo non è disegnato.</source>
        <translation>No closure lines: the kern is not drawn.</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="158"/>
        <source>Nocciolo</source>
        <translation>Kern</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="159"/>
        <source>Linea</source>
        <translation>Line</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="163"/>
        <source>Linea %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="167"/>
        <source>passa per il baricentro</source>
        <translation>passes through the centroid</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="179"/>
        <source>7. Cerchio di Mohr</source>
        <translation>7. Mohr&apos;s circle</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="180"/>
        <source>Centro C = ((Ixg + Iyg)/2; 0) = (%1; 0), raggio R = %2.</source>
        <translation>Centre C = ((Ixg + Iyg)/2; 0) = (%1; 0), radius R = %2.</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="182"/>
        <source>X = (Ixg; Ixgyg) = (%1; %2), Y = (Iyg; −Ixgyg) = (%3; %4): il diametro XY.</source>
        <translation>X = (Ixg; Ixgyg) = (%1; %2), Y = (Iyg; −Ixgyg) = (%3; %4): the diameter XY.</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="185"/>
        <source>Ixc = C + R = %1 e Iyc = C − R = %2 sull&apos;asse delle ascisse.</source>
        <translation>Ixc = C + R = %1 and Iyc = C − R = %2 on the axis of abscissas.</translation>
    </message>
    <message>
        <location filename="../src/edit/relazionetesto.cpp" line="187"/>
        <source>Convenzione: ordinata verso l&apos;alto positiva; da CX, ruotando di 2α = %1° nello stesso verso di α nel disegno (antiorario se positivo), si arriva a Ixc.</source>
        <translation>Convention: ordinate positive upwards; starting from CX and turning by 2α = %1° in the same sense as α in the drawing (anticlockwise if positive), one reaches Ixc.</translation>
    </message>
</context>
<context>
    <name>Riga di comando</name>
    <message>
        <location filename="../src/app/main.cpp" line="33"/>
        <source>Uso: vask2cad [opzioni] [file.vask]
     vask2cad --risultati file.vask...
     vask2cad --relazione file.vask...
     vask2cad --carico x;y file.vask...</source>
        <translation>Usage: vask2cad [options] [file.vask]
       vask2cad --risultati file.vask...
       vask2cad --relazione file.vask...
       vask2cad --carico x;y file.vask...</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="37"/>
        <source>
Opzioni:
</source>
        <translation>
Options:
</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="38"/>
        <location filename="../src/app/main.cpp" line="40"/>
        <source>
Argomenti:
</source>
        <translation>
Arguments:
</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="62"/>
        <source>--lingua vuole it oppure en, non &quot;%1&quot;.</source>
        <translation>--lingua takes it or en, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="70"/>
        <source>Programma didattico per la geometria delle masse: baricentro, momenti di inerzia, ellisse e nocciolo centrale di una sezione.</source>
        <translation>A teaching program for the geometry of masses: centroid, moments of inertia, central ellipse and central kern of a section.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="73"/>
        <source>Mostra questo aiuto ed esce.</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="75"/>
        <source>Mostra la versione ed esce.</source>
        <translation>Shows the version and exits.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="78"/>
        <source>Scrive i quindici risultati di ogni sezione indicata, come nel pannello dei risultati, senza aprire finestre, ed esce.</source>
        <translation>Prints the fifteen results of each section given, as in the results panel (captions in Italian), without opening any window, and exits.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="82"/>
        <source>Scrive la relazione di calcolo di ogni sezione indicata come testo (tabelle separate da tabulazioni), senza aprire finestre, ed esce.</source>
        <translation>Prints the calculation report of each section given as text (tables separated by tabs), without opening any window, and exits.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="86"/>
        <source>Con il centro di sollecitazione nel punto x;y: scrive, dopo i quindici risultati, le sue coordinate centrali, l&apos;asse neutro, le tensioni estreme e il confronto con il nocciolo (con --relazione, la sezione Carico della relazione), ed esce.</source>
        <translation>With the load point at x;y: prints, after the fifteen results, its central coordinates, the neutral axis, the extreme stresses and where it lies against the kern (with --relazione, the report&apos;s Carico section), and exits.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="91"/>
        <source>La lingua dell&apos;interfaccia: it (italiano) o en (English).</source>
        <translation>The interface language: it (italiano) or en (English).</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="101"/>
        <source>La sezione (.vask) da aprire all&apos;avvio; con --risultati, --relazione o --carico, le sezioni da calcolare.</source>
        <translation>The section (.vask) to open at start; with --risultati, --relazione or --carico, the sections to compute.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="109"/>
        <source>opzione sconosciuta &quot;%1&quot;.</source>
        <translation>unknown option &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="111"/>
        <source>Per l&apos;aiuto: vask2cad --help</source>
        <translation>For help: vask2cad --help</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="129"/>
        <source>%1 vuole almeno un file di sezione.</source>
        <translation>%1 needs at least one section file.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="139"/>
        <source>--carico vuole il centro di sollecitazione come x;y (per esempio 3.5;2), non &quot;%1&quot;.</source>
        <translation>--carico takes the load point as x;y (for example 3.5;2), not &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="153"/>
        <source>si apre una sezione alla volta; per i risultati di più sezioni: vask2cad --risultati file.vask...</source>
        <translation>one section is opened at a time; for the results of several sections: vask2cad --risultati file.vask...</translation>
    </message>
    <message>
        <location filename="../src/app/risultati.cpp" line="54"/>
        <source>Impossibile calcolare «%1»: %2</source>
        <translation>Cannot calculate “%1”: %2</translation>
    </message>
    <message>
        <location filename="../src/app/risultati.cpp" line="56"/>
        <source>calcolo non eseguito.</source>
        <translation>calculation not run.</translation>
    </message>
    <message>
        <location filename="../src/app/risultati.cpp" line="61"/>
        <source>Impossibile studiare il carico di «%1»: %2</source>
        <translation>Cannot study the load on “%1”: %2</translation>
    </message>
</context>
<context>
    <name>Vask</name>
    <message>
        <location filename="../src/model/controlli.cpp" line="31"/>
        <source>Diseg</source>
        <translation>Draw</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="31"/>
        <source>Modalità disegno</source>
        <translation>Draw mode</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="32"/>
        <source>Selez</source>
        <translation>Select</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="32"/>
        <source>Modalità seleziona</source>
        <translation>Select mode</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="33"/>
        <source>Rett.</source>
        <translation>Rect.</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="31"/>
        <location filename="../src/model/controlli.cpp" line="33"/>
        <source>Rettangolo</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="34"/>
        <source>Trian.</source>
        <translation>Trian.</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="31"/>
        <location filename="../src/model/controlli.cpp" line="34"/>
        <source>Triangolo</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="35"/>
        <source>Cerch.</source>
        <translation>Circle</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="16"/>
        <source>Elemento</source>
        <translation>Element</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="17"/>
        <source>raggio</source>
        <translation>radius</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="17"/>
        <source>densità</source>
        <translation>density</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="18"/>
        <source>area</source>
        <translation>area</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="18"/>
        <source>massa</source>
        <translation>mass</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="32"/>
        <location filename="../src/model/controlli.cpp" line="35"/>
        <source>Cerchio</source>
        <translation>Circle</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="32"/>
        <location filename="../src/model/controlli.cpp" line="36"/>
        <source>Linea</source>
        <translation>Line</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="34"/>
        <source>Rettangolo %1</source>
        <translation>Rectangle %1</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="34"/>
        <source>Triangolo %1</source>
        <translation>Triangle %1</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="35"/>
        <source>Cerchio %1</source>
        <translation>Circle %1</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="35"/>
        <source>Linea %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="79"/>
        <source>Il rettangolo deve rimanere nella zona positiva dell&apos;area grafica, entro le coordinate %1. Reinserire il valore.</source>
        <translation>The rectangle must stay in the positive zone of the drawing area, within the coordinates %1. Enter the value again.</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="81"/>
        <source>Il triangolo deve rimanere nella zona positiva dell&apos;area grafica, entro le coordinate %1. Reinserire il valore.</source>
        <translation>The triangle must stay in the positive zone of the drawing area, within the coordinates %1. Enter the value again.</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="84"/>
        <source>La linea deve rimanere nella zona positiva dell&apos;area grafica, entro le coordinate %1. Reinserire il valore.</source>
        <translation>The line must stay in the positive zone of the drawing area, within the coordinates %1. Enter the value again.</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="154"/>
        <source>%1: il valore di %2 non è un numero. Scrivere un numero con il punto o la virgola come separatore decimale.</source>
        <translation>%1: the value of %2 is not a number. Write a number with a point or a comma as the decimal separator.</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="325"/>
        <source>incolla %1 riga</source>
        <translation>paste %1 row</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="325"/>
        <source>incolla %1 righe</source>
        <translation>paste %1 rows</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="36"/>
        <source>Linea per la chiusura</source>
        <translation>Closure line</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="37"/>
        <source>Sposta</source>
        <translation>Move</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="38"/>
        <source>Canc.</source>
        <translation>Del.</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="38"/>
        <source>Cancella</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="39"/>
        <source>Modif.</source>
        <translation>Modify</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="39"/>
        <source>Modifica alcune proprietà</source>
        <translation>Change some properties</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="40"/>
        <source>Eseg</source>
        <translation>Run</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="40"/>
        <source>Calcolo della sezione</source>
        <translation>Compute the section</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="41"/>
        <source>Vask.</source>
        <translation>Kern</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="41"/>
        <source>Nocciolo centrale di inerzia</source>
        <translation>Central kern of inertia</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="42"/>
        <source>Ellisse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="42"/>
        <source>Ellisse centrale di inerzia</source>
        <translation>Central ellipse of inertia</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="43"/>
        <location filename="../src/model/controlli.cpp" line="71"/>
        <source>Carico</source>
        <translation>Load</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="43"/>
        <source>Centro di sollecitazione e asse neutro</source>
        <translation>Load point and neutral axis</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="44"/>
        <source>Rigen.</source>
        <translation>Regen.</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="44"/>
        <source>Rigenera il disegno</source>
        <translation>Regenerate the drawing</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="45"/>
        <source>Zoom+</source>
        <translation>Zoom+</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="45"/>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="46"/>
        <source>Zoom-</source>
        <translation>Zoom-</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="46"/>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="47"/>
        <source>Tutto</source>
        <translation>All</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="47"/>
        <source>Zoom estensioni: tutta la sezione (F9)</source>
        <translation>Zoom extents: the whole section (F9)</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="48"/>
        <source>Pan</source>
        <translation>Pan</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="48"/>
        <source>Pan dinamico</source>
        <translation>Dynamic pan</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="49"/>
        <source>Pan Statico</source>
        <translation>Static pan</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="53"/>
        <source>Griglia</source>
        <translation>Grid</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="54"/>
        <source>Snap</source>
        <translation>Snap</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="54"/>
        <source>Snap a griglia</source>
        <translation>Snap to grid</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="55"/>
        <source>Osnap</source>
        <translation>Osnap</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="55"/>
        <source>Snap ad oggetto</source>
        <translation>Object snap</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="56"/>
        <source>Guide</source>
        <translation>Guides</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="56"/>
        <source>Linee guida</source>
        <translation>Guide lines</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="57"/>
        <source>Passo per griglia e snap</source>
        <translation>Step of grid and snap</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="58"/>
        <source>Densità =</source>
        <translation>Density =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="58"/>
        <source>Peso relativo di un elemento rispetto agli altri</source>
        <translation>Relative weight of an element against the others</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="60"/>
        <source>Raggio =</source>
        <translation>Radius =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="60"/>
        <source>Raggio dell&apos; elemento cerchio</source>
        <translation>Radius of the circle element</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="62"/>
        <source>Densità dell&apos; ultimo elemento selezionato</source>
        <translation>Density of the last element selected</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="63"/>
        <source>Raggio dell&apos; ultimo cerchio selezionato</source>
        <translation>Radius of the last circle selected</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="64"/>
        <source>Contatore e indice di elemento</source>
        <translation>Element counter and index</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="65"/>
        <source>x1</source>
        <translation>x1</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="65"/>
        <source>Ascissa del primo punto</source>
        <translation>Abscissa of the first point</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="66"/>
        <source>y1</source>
        <translation>y1</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="66"/>
        <source>Ordinata del primo punto</source>
        <translation>Ordinate of the first point</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="67"/>
        <source>x2</source>
        <translation>x2</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="67"/>
        <source>Ascissa del secondo punto</source>
        <translation>Abscissa of the second point</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="68"/>
        <source>y2</source>
        <translation>y2</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="68"/>
        <source>Ordinata del secondo punto</source>
        <translation>Ordinate of the second point</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="69"/>
        <source>x3</source>
        <translation>x3</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="69"/>
        <source>Ascissa del terzo punto</source>
        <translation>Abscissa of the third point</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="70"/>
        <source>y3</source>
        <translation>y3</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="70"/>
        <source>Ordinata del terzo punto</source>
        <translation>Ordinate of the third point</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="71"/>
        <source>Centro di sollecitazione C, asse neutro n e tensioni s in coordinate centrali</source>
        <translation>Load point C, neutral axis n and stresses s in central coordinates</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="72"/>
        <source>C =</source>
        <translation>C =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="72"/>
        <source>Centro di sollecitazione: ξC lungo Xc, ηC lungo Yc, con origine in G</source>
        <translation>Load point: ξC along Xc, ηC along Yc, origin at G</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="73"/>
        <source>ξC</source>
        <translation>ξC</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="74"/>
        <source>ηC</source>
        <translation>ηC</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="75"/>
        <source>n =</source>
        <translation>n =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="75"/>
        <source>Asse neutro: le intercette ξ0 = −Ryc²/ξC su Xc e η0 = −Rxc²/ηC su Yc</source>
        <translation>Neutral axis: the intercepts ξ0 = −Ryc²/ξC on Xc and η0 = −Rxc²/ηC on Yc</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="76"/>
        <source>ξ0</source>
        <translation>ξ0</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="77"/>
        <source>η0</source>
        <translation>η0</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="78"/>
        <source>s =</source>
        <translation>s =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="78"/>
        <source>Tensione minima e massima nei punti di materiale, in multipli della tensione media N/M di compressione</source>
        <translation>Least and greatest stress at the material points, as multiples of the mean compressive stress N/M</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="80"/>
        <source>smin</source>
        <translation>smin</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="81"/>
        <source>smax</source>
        <translation>smax</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="101"/>
        <source>Asse X</source>
        <translation>X axis</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="102"/>
        <source>Asse Y</source>
        <translation>Y axis</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="103"/>
        <source>X =</source>
        <translation>X =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="103"/>
        <source>Coordinata X</source>
        <translation>X coordinate</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="105"/>
        <source>Y =</source>
        <translation>Y =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="105"/>
        <source>Coordinata Y</source>
        <translation>Y coordinate</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="107"/>
        <source>Punto:</source>
        <translation>Point:</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="108"/>
        <source>Coordinate del punto: x;y oppure @dx;dy, poi Invio</source>
        <translation>Point coordinates: x;y or @dx;dy, then Enter</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="109"/>
        <source>A =</source>
        <translation>A =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="109"/>
        <source>Area geometrica della sezione</source>
        <translation>Geometric area of the section</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="110"/>
        <source>M =</source>
        <translation>M =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="110"/>
        <source>Massa della sezione</source>
        <translation>Mass of the section</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="111"/>
        <source>Xg =</source>
        <translation>Xg =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="111"/>
        <source>Ascissa del baricentro in OXY</source>
        <translation>Abscissa of the centroid in OXY</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="112"/>
        <source>Yg =</source>
        <translation>Yg =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="112"/>
        <source>Ordinata del baricentro in OXY</source>
        <translation>Ordinate of the centroid in OXY</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="113"/>
        <source>Ix =</source>
        <translation>Ix =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="113"/>
        <source>Momento di inerzia rispetto all&apos;asse X</source>
        <translation>Moment of inertia about the X axis</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="114"/>
        <source>Iy =</source>
        <translation>Iy =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="114"/>
        <source>Momento di inerzia rispetto all&apos;asse Y</source>
        <translation>Moment of inertia about the Y axis</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="115"/>
        <source>Ixg =</source>
        <translation>Ixg =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="115"/>
        <source>Momento di inerzia rispetto all&apos;asse Xg baricentrico parallelo ad X</source>
        <translation>Moment of inertia about the centroidal axis Xg parallel to X</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="116"/>
        <source>Iyg =</source>
        <translation>Iyg =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="116"/>
        <source>Momento di inerzia rispetto all&apos;asse Yg baricentrico parallelo ad Y</source>
        <translation>Moment of inertia about the centroidal axis Yg parallel to Y</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="117"/>
        <source>Ixy =</source>
        <translation>Ixy =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="117"/>
        <source>Prodotto di inerzia rispetto ad X ed Y</source>
        <translation>Product of inertia about X and Y</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="118"/>
        <source>Ixgyg =</source>
        <translation>Ixgyg =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="118"/>
        <source>Prodotto di inerzia rispetto ad Xg ed Yg baricentrici paralleli ad X e Y</source>
        <translation>Product of inertia about the centroidal Xg and Yg parallel to X and Y</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="119"/>
        <source>Ixc =</source>
        <translation>Ixc =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="119"/>
        <source>Massimo momento di inerzia centrale</source>
        <translation>Greatest central moment of inertia</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="120"/>
        <source>Iyc =</source>
        <translation>Iyc =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="120"/>
        <source>Minimo momento di inerzia centrale</source>
        <translation>Least central moment of inertia</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="121"/>
        <source>Rxc =</source>
        <translation>Rxc =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="121"/>
        <source>Giratore massimo centrale di inerzia (giace su Yc)</source>
        <translation>Greatest central radius of gyration (lies on Yc)</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="122"/>
        <source>Ryc =</source>
        <translation>Ryc =</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="122"/>
        <source>Giratore minimo centrale di inerzia (giace su Xc)</source>
        <translation>Least central radius of gyration (lies on Xc)</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="123"/>
        <source>a°=</source>
        <translation>a°=</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="123"/>
        <source>Angolo in gradi, &gt; 0 se antiorario, tra gli assi Xc e X</source>
        <translation>Angle in degrees, &gt; 0 if anticlockwise, between the axes Xc and X</translation>
    </message>
    <message>
        <location filename="../src/model/controlli.cpp" line="139"/>
        <source>Barra delle indicazioni</source>
        <translation>Hint bar</translation>
    </message>
    <message>
        <location filename="../src/edit/carico.cpp" line="11"/>
        <source>Carico negato.</source>
        <translation>Load refused.</translation>
    </message>
    <message>
        <location filename="../src/edit/carico.cpp" line="19"/>
        <source>Premi prima Esegui: il centro di sollecitazione si studia sui risultati della sezione così com&apos;è.</source>
        <translation>Press Run first: the load point is studied on the results of the section as it is now.</translation>
    </message>
    <message>
        <location filename="../src/edit/carico.cpp" line="22"/>
        <source>Un raggio centrale d&apos;inerzia è nullo (per i fori della sezione): l&apos;asse neutro non è definito.</source>
        <translation>A central radius of gyration is zero (because of the section&apos;s holes): the neutral axis is not defined.</translation>
    </message>
    <message>
        <location filename="../src/edit/carico.cpp" line="23"/>
        <location filename="../src/edit/distanza.cpp" line="19"/>
        <source>Disattivare le funzioni di disegno e modifica.</source>
        <translation>Turn off the drawing and editing functions.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="79"/>
        <source>Esegui: Premi il pulsante Esegui per calcolare la sezione.</source>
        <translation>Run: Press the Run button to compute the section.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="152"/>
        <source>Distanza tra due punti: Inserisci il secondo punto.</source>
        <translation>Distance between two points: Enter the second point.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="154"/>
        <location filename="../src/edit/mouse.cpp" line="177"/>
        <source>Disegna rettangolo: Inserisci le coordinate di un angolo e la densità.</source>
        <translation>Draw rectangle: Enter the coordinates of a corner and the density.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="156"/>
        <location filename="../src/edit/mouse.cpp" line="241"/>
        <source>Disegna triangolo: Inserisci le coordinate del primo vertice e la densità.</source>
        <translation>Draw triangle: Enter the coordinates of the first vertex and the density.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="158"/>
        <location filename="../src/edit/mouse.cpp" line="282"/>
        <source>Disegna linea: Inserisci le coordinate del primo estremo del segmento.</source>
        <translation>Draw line: Enter the coordinates of the segment&apos;s first end.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="160"/>
        <source>Disegna cerchio: Inserisci le coordinate del centro, la lunghezza del raggio e la densità.</source>
        <translation>Draw circle: Enter the coordinates of the centre, the length of the radius and the density.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="163"/>
        <source>Seleziona rettangolo: Clicca su un rettangolo per selezionarlo. Consiglio: disattiva snap e osnap.</source>
        <translation>Select rectangle: Click on a rectangle to select it. Tip: turn off snap and osnap.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="166"/>
        <source>Seleziona triangolo: Clicca sul triangolo presso il baricentro o presso i vertici. Consiglio: disattiva snap.</source>
        <translation>Select triangle: Click on the triangle near its centroid or near its vertices. Tip: turn off snap.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="169"/>
        <source>Seleziona cerchio: Clicca su un cerchio per selezionarlo. Consiglio: disattiva snap e osnap.</source>
        <translation>Select circle: Click on a circle to select it. Tip: turn off snap and osnap.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="172"/>
        <source>Seleziona linea: Clicca presso la mezzeria di una linea per selezionarla. Consiglio: disattiva snap.</source>
        <translation>Select line: Click near the midpoint of a line to select it. Tip: turn off snap.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="175"/>
        <source>Sposta rettangolo: Inserisci il punto base dello spostamento.</source>
        <translation>Move rectangle: Enter the base point of the move.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="177"/>
        <source>Sposta rettangolo: Inserisci il punto finale dello spostamento.</source>
        <translation>Move rectangle: Enter the end point of the move.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="179"/>
        <source>Sposta triangolo: Inserisci il punto base dello spostamento.</source>
        <translation>Move triangle: Enter the base point of the move.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="181"/>
        <source>Sposta triangolo: Inserisci il punto finale dello spostamento.</source>
        <translation>Move triangle: Enter the end point of the move.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="183"/>
        <source>Sposta cerchio: Inserisci il punto base dello spostamento.</source>
        <translation>Move circle: Enter the base point of the move.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="185"/>
        <source>Sposta cerchio: Inserisci il punto finale dello spostamento.</source>
        <translation>Move circle: Enter the end point of the move.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="186"/>
        <source>Sposta linea: Inserisci il punto base dello spostamento.</source>
        <translation>Move line: Enter the base point of the move.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="188"/>
        <source>Sposta linea: Inserisci il punto finale dello spostamento.</source>
        <translation>Move line: Enter the end point of the move.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="190"/>
        <source>Seleziona rettangolo: Selezione eseguita. Puoi cancellarlo, modificarne la densità o spostarlo.</source>
        <translation>Select rectangle: Selected. You can delete it, change its density or move it.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="193"/>
        <source>Seleziona triangolo: Selezione eseguita. Puoi cancellarlo, modificarne la densità o spostarlo.</source>
        <translation>Select triangle: Selected. You can delete it, change its density or move it.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="196"/>
        <source>Seleziona cerchio: Selezione eseguita. Puoi cancellarlo, modificarne densità e raggio o spostarlo.</source>
        <translation>Select circle: Selected. You can delete it, change its density and radius or move it.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="199"/>
        <source>Seleziona linea: Selezione eseguita. Puoi cancellarla, modificarne gli estremi o spostarla.</source>
        <translation>Select line: Selected. You can delete it, change its ends or move it.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="202"/>
        <source>Modifica linea: Seleziona l&apos;estremo che vuoi spostare.</source>
        <translation>Modify line: Select the end you want to move.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="204"/>
        <source>Modifica linea: Seleziona il punto finale dello spostamento.</source>
        <translation>Modify line: Select the end point of the move.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="205"/>
        <source>Distanza tra due punti: Inserisci il primo punto.</source>
        <translation>Distance between two points: Enter the first point.</translation>
    </message>
    <message>
        <location filename="../src/edit/modi.cpp" line="206"/>
        <source>Carico: Clicca il centro di sollecitazione (o digita x;y nella casella Punto).</source>
        <translation>Load: Click the load point (or type x;y in the Point box).</translation>
    </message>
    <message>
        <location filename="../src/edit/distanza.cpp" line="19"/>
        <source>Distanza negato.</source>
        <translation>Distance refused.</translation>
    </message>
    <message>
        <location filename="../src/edit/distanza.cpp" line="44"/>
        <source>Distanza: %1 (Δx = %2; Δy = %3)</source>
        <translation>Distance: %1 (Δx = %2; Δy = %3)</translation>
    </message>
    <message>
        <location filename="../src/edit/griglia.cpp" line="28"/>
        <source>Il passo della griglia è troppo grande o troppo piccolo per essere memorizzato. Reinserire il passo.</source>
        <translation>The grid step is too large or too small to be stored. Enter the step again.</translation>
    </message>
    <message>
        <location filename="../src/edit/griglia.cpp" line="29"/>
        <location filename="../src/edit/griglia.cpp" line="34"/>
        <source>Passo della griglia non valido.</source>
        <translation>Invalid grid step.</translation>
    </message>
    <message>
        <location filename="../src/edit/griglia.cpp" line="33"/>
        <source>Il passo della griglia deve essere un numero diverso da zero. Reinserire il passo.</source>
        <translation>The grid step must be a number other than zero. Enter the step again.</translation>
    </message>
    <message>
        <location filename="../src/edit/griglia.cpp" line="40"/>
        <source>Il passo è toppo piccolo pertanto la griglia non verrà visualizzata.Tuttavia il passo immesso sarà valido per lo snap.</source>
        <translation>The step is too small, so the grid will not be shown. The step entered will still hold for snap.</translation>
    </message>
    <message>
        <location filename="../src/edit/griglia.cpp" line="41"/>
        <source>Griglia richiesta troppo fitta</source>
        <translation>Grid asked too dense</translation>
    </message>
    <message>
        <location filename="../src/edit/modifica.cpp" line="29"/>
        <source>modifica densità rettangolo %1</source>
        <translation>change density of rectangle %1</translation>
    </message>
    <message>
        <location filename="../src/edit/modifica.cpp" line="44"/>
        <source>modifica densità triangolo %1</source>
        <translation>change density of triangle %1</translation>
    </message>
    <message>
        <location filename="../src/edit/modifica.cpp" line="58"/>
        <source>Il cerchio modificato deve avere il raggio maggiore di zero. Reinserire il raggio.</source>
        <translation>The modified circle must have a radius greater than zero. Enter the radius again.</translation>
    </message>
    <message>
        <location filename="../src/edit/modifica.cpp" line="59"/>
        <location filename="../src/edit/mouse.cpp" line="300"/>
        <location filename="../src/edit/tabella.cpp" line="117"/>
        <source>Cerchio degenere.</source>
        <translation>Degenerate circle.</translation>
    </message>
    <message>
        <location filename="../src/edit/modifica.cpp" line="63"/>
        <source>Il cerchio modificato deve rimanere nella zona positiva dell&apos;area grafica. Reinserire il raggio che per il caso specifico non deve essere maggiore di %1.</source>
        <translation>The modified circle must stay in the positive zone of the drawing area. Enter the radius again: here it must not be greater than %1.</translation>
    </message>
    <message>
        <location filename="../src/edit/modifica.cpp" line="67"/>
        <location filename="../src/edit/modifica.cpp" line="79"/>
        <location filename="../src/edit/mouse.cpp" line="318"/>
        <location filename="../src/edit/mouse.cpp" line="326"/>
        <location filename="../src/edit/sposta.cpp" line="85"/>
        <location filename="../src/edit/tabella.cpp" line="126"/>
        <location filename="../src/edit/tabella.cpp" line="133"/>
        <source>Cerchio fuori dei limiti dell&apos;area grafica.</source>
        <translation>Circle outside the limits of the drawing area.</translation>
    </message>
    <message>
        <location filename="../src/edit/modifica.cpp" line="75"/>
        <source>Il cerchio modificato deve rimanere entro le coordinate %1 dell&apos;area grafica. Reinserire il raggio che per il caso specifico non deve essere maggiore di %2.</source>
        <translation>The modified circle must stay within the coordinates %1 of the drawing area. Enter the radius again: here it must not be greater than %2.</translation>
    </message>
    <message>
        <location filename="../src/edit/modifica.cpp" line="84"/>
        <source>modifica cerchio %1</source>
        <translation>change circle %1</translation>
    </message>
    <message>
        <location filename="../src/edit/modifica.cpp" line="154"/>
        <source>La linea risulta essere degenere. Reinserire il secondo punto che deve essere diverso da    ( %1 ; %2 ).</source>
        <translation>The line is degenerate. Enter the second point again: it must differ from    ( %1 ; %2 ).</translation>
    </message>
    <message>
        <location filename="../src/edit/modifica.cpp" line="157"/>
        <source>Linea modificata degenere.</source>
        <translation>Modified line degenerate.</translation>
    </message>
    <message>
        <location filename="../src/edit/modifica.cpp" line="160"/>
        <source>modifica estremo linea %1</source>
        <translation>change end of line %1</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="115"/>
        <source>La densità inserita è troppo grande per il calcolo. Reinserire la densità.</source>
        <translation>The density entered is too large for the calculation. Enter the density again.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="115"/>
        <location filename="../src/edit/mouse.cpp" line="122"/>
        <source>Densità fuori dei limiti.</source>
        <translation>Density out of range.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="121"/>
        <source>La densità inserita è troppo piccola per essere memorizzata. Reinserire la densità.</source>
        <translation>The density entered is too small to be stored. Enter the density again.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="133"/>
        <source>Il raggio inserito è troppo grande per essere memorizzato. Reinserire il raggio.</source>
        <translation>The radius entered is too large to be stored. Enter the radius again.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="133"/>
        <location filename="../src/edit/mouse.cpp" line="137"/>
        <source>Raggio fuori dei limiti.</source>
        <translation>Radius out of range.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="137"/>
        <source>Il raggio inserito è troppo piccolo per essere memorizzato. Reinserire il raggio.</source>
        <translation>The radius entered is too small to be stored. Enter the radius again.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="145"/>
        <location filename="../src/edit/tabella.cpp" line="301"/>
        <source>Non puoi usare più di %1 rettangoli.</source>
        <translation>You cannot use more than %1 rectangles.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="146"/>
        <location filename="../src/edit/tabella.cpp" line="297"/>
        <source>Rettangoli esauriti.</source>
        <translation>No rectangles left.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="156"/>
        <source>Disegna rettangolo: Inserisci le coordinate dell&apos;angolo opposto.</source>
        <translation>Draw rectangle: Enter the coordinates of the opposite corner.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="161"/>
        <location filename="../src/edit/tabella.cpp" line="94"/>
        <source>Il rettangolo inserito è degenere. Reinserire il secondo punto.</source>
        <translation>The rectangle entered is degenerate. Enter the second point again.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="161"/>
        <location filename="../src/edit/tabella.cpp" line="94"/>
        <source>Rettangolo degenere.</source>
        <translation>Degenerate rectangle.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="172"/>
        <source>disegna rettangolo %1</source>
        <translation>draw rectangle %1</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="194"/>
        <location filename="../src/edit/tabella.cpp" line="302"/>
        <source>Non puoi usare più di %1 triangoli.</source>
        <translation>You cannot use more than %1 triangles.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="195"/>
        <location filename="../src/edit/tabella.cpp" line="298"/>
        <source>Triangoli esauriti.</source>
        <translation>No triangles left.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="205"/>
        <source>Disegna triangolo: Inserisci le coordinate del secondo vertice.</source>
        <translation>Draw triangle: Enter the coordinates of the second vertex.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="211"/>
        <location filename="../src/edit/tabella.cpp" line="105"/>
        <source>Il lato inserito è degenere. Reinserire il secondo punto.</source>
        <translation>The side entered is degenerate. Enter the second point again.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="211"/>
        <location filename="../src/edit/mouse.cpp" line="225"/>
        <location filename="../src/edit/tabella.cpp" line="105"/>
        <location filename="../src/edit/tabella.cpp" line="109"/>
        <source>Triangolo degenere.</source>
        <translation>Degenerate triangle.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="219"/>
        <source>Disegna triangolo: Inserisci le coordinate del terzo vertice.</source>
        <translation>Draw triangle: Enter the coordinates of the third vertex.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="225"/>
        <location filename="../src/edit/tabella.cpp" line="109"/>
        <source>Il triangolo inserito è degenere. Reinserire il terzo punto.</source>
        <translation>The triangle entered is degenerate. Enter the third point again.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="236"/>
        <source>disegna triangolo %1</source>
        <translation>draw triangle %1</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="257"/>
        <location filename="../src/edit/tabella.cpp" line="304"/>
        <source>Non puoi usare più di %1 linee.</source>
        <translation>You cannot use more than %1 lines.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="258"/>
        <location filename="../src/edit/tabella.cpp" line="300"/>
        <source>Linee esaurite.</source>
        <translation>No lines left.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="268"/>
        <source>Disegna linea: Inserisci le coordinate del secondo estremo del segmento.</source>
        <translation>Draw line: Enter the coordinates of the second end of the segment.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="273"/>
        <location filename="../src/edit/tabella.cpp" line="144"/>
        <source>La linea inserita è degenere. Reinserire il secondo punto.</source>
        <translation>The line entered is degenerate. Enter the second point again.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="273"/>
        <location filename="../src/edit/tabella.cpp" line="144"/>
        <source>Linea degenere.</source>
        <translation>Degenerate line.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="277"/>
        <source>disegna linea %1</source>
        <translation>draw line %1</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="293"/>
        <location filename="../src/edit/tabella.cpp" line="303"/>
        <source>Non puoi usare più di %1 Cerchi.</source>
        <translation>You cannot use more than %1 circles.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="293"/>
        <location filename="../src/edit/tabella.cpp" line="299"/>
        <source>cerchi esauriti.</source>
        <translation>No circles left.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="299"/>
        <location filename="../src/edit/tabella.cpp" line="117"/>
        <source>Il cerchio inserito è degenere. Reinserire il raggio che deve essere maggiore di zero.</source>
        <translation>The circle entered is degenerate. Enter the radius again: it must be greater than zero.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="314"/>
        <location filename="../src/edit/tabella.cpp" line="122"/>
        <source>Il cerchio inserito deve rimanere nella zona positiva dell&apos;area grafica. Reinserire il raggio oppure spostare il centro almeno nel punto di coordinate ( %1 ; %1 ) .</source>
        <translation>The circle must stay in the positive zone of the drawing area. Enter the radius again, or move the centre at least to the point ( %1 ; %1 ) .</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="323"/>
        <location filename="../src/edit/tabella.cpp" line="130"/>
        <source>Il cerchio inserito deve rimanere entro le coordinate %1 dell&apos;area grafica. Reinserire il raggio oppure spostare il centro.</source>
        <translation>The circle must stay within the coordinates %1 of the drawing area. Enter the radius again or move the centre.</translation>
    </message>
    <message>
        <location filename="../src/edit/mouse.cpp" line="337"/>
        <source>disegna cerchio %1</source>
        <translation>draw circle %1</translation>
    </message>
    <message>
        <location filename="../src/edit/pan.cpp" line="10"/>
        <source>Pan: Raggiungimento del limite inferiore dell&apos;area grafica di lavoro.</source>
        <translation>Pan: The bottom limit of the drawing area has been reached.</translation>
    </message>
    <message>
        <location filename="../src/edit/pan.cpp" line="12"/>
        <source>Pan: Raggiungimento del limite sinistro dell&apos;area grafica di lavoro.</source>
        <translation>Pan: The left limit of the drawing area has been reached.</translation>
    </message>
    <message>
        <location filename="../src/edit/pan.cpp" line="14"/>
        <source>Pan: Raggiungimento del limite superiore dell&apos;area grafica di lavoro.</source>
        <translation>Pan: The top limit of the drawing area has been reached.</translation>
    </message>
    <message>
        <location filename="../src/edit/pan.cpp" line="16"/>
        <source>Pan: Raggiungimento del limite destro dell&apos;area grafica di lavoro.</source>
        <translation>Pan: The right limit of the drawing area has been reached.</translation>
    </message>
    <message>
        <location filename="../src/edit/pan.cpp" line="97"/>
        <source>Pan: Cliccando nell&apos;area grafica trascina il disegno.</source>
        <translation>Pan: Click in the drawing area and drag the drawing.</translation>
    </message>
    <message>
        <location filename="../src/edit/pan.cpp" line="101"/>
        <source>In fase di disegno o di selezione navigare nel disegno col pan statico.</source>
        <translation>While drawing or selecting, move around the drawing with the static pan.</translation>
    </message>
    <message>
        <location filename="../src/edit/pan.cpp" line="101"/>
        <source>Pan dinamico negato.</source>
        <translation>Dynamic pan refused.</translation>
    </message>
    <message>
        <location filename="../src/edit/punto.cpp" line="11"/>
        <source>Scrivere il punto come x;y (per esempio 3.5;2 oppure 3,5;2), oppure come x y separati da uno spazio (3.5 2), oppure come @dx;dy rispetto all&apos;ultimo punto dato (@1;0). Il separatore decimale è il punto o la virgola; 3,5 da solo non è un punto.</source>
        <translation>Write the point as x;y (for example 3.5;2 or 3,5;2), or as x y separated by a space (3.5 2), or as @dx;dy from the last point given (@1;0). The decimal separator is the point or the comma; 3,5 alone is not a point.</translation>
    </message>
    <message>
        <location filename="../src/edit/punto.cpp" line="33"/>
        <location filename="../src/edit/punto.cpp" line="38"/>
        <location filename="../src/edit/punto.cpp" line="48"/>
        <source>Punto non valido.</source>
        <translation>Invalid point.</translation>
    </message>
    <message>
        <location filename="../src/edit/punto.cpp" line="35"/>
        <source>Un numero del punto è troppo grande o troppo piccolo per essere memorizzato. %1</source>
        <translation>A number of the point is too large or too small to be stored. %1</translation>
    </message>
    <message>
        <location filename="../src/edit/punto.cpp" line="46"/>
        <source>Le coordinate del punto devono essere comprese tra 0 e %1. %2</source>
        <translation>The point&apos;s coordinates must lie between 0 and %1. %2</translation>
    </message>
    <message>
        <location filename="../src/edit/risultati.cpp" line="75"/>
        <location filename="../src/edit/risultati.cpp" line="196"/>
        <source>Introdurre i dati per il calcolo.</source>
        <translation>Enter the data for the calculation.</translation>
    </message>
    <message>
        <location filename="../src/edit/risultati.cpp" line="75"/>
        <location filename="../src/edit/risultati.cpp" line="196"/>
        <source>Calcolo non eseguito.</source>
        <translation>Calculation not run.</translation>
    </message>
    <message>
        <location filename="../src/edit/risultati.cpp" line="102"/>
        <source>I valori della sezione sono troppo grandi per essere calcolati. Controllare densità e dimensioni dei singoli componenti della sezione selezionandoli.</source>
        <translation>The values of the section are too large to be computed. Check the density and size of each element of the section by selecting it.</translation>
    </message>
    <message>
        <location filename="../src/edit/risultati.cpp" line="104"/>
        <location filename="../src/edit/risultati.cpp" line="116"/>
        <source>Calcolo non eseguibile.</source>
        <translation>Calculation not possible.</translation>
    </message>
    <message>
        <location filename="../src/edit/risultati.cpp" line="113"/>
        <source>La massa della sezione è complessivamente minore o uguale a zero. Il calcolo non può essere eseguito. Controllare i dati dei singoli componenti della sezione selezionandoli.</source>
        <translation>The total mass of the section is zero or less. The calculation cannot be done. Check the data of each element of the section by selecting it.</translation>
    </message>
    <message>
        <location filename="../src/edit/risultati.cpp" line="179"/>
        <source>L&apos;asse Xc è VIOLA. L&apos;asse Yc è ROSSO. Xc è l&apos;asse intorno a cui si ha l&apos;inerzia massima. Con i suoi fori la sezione non ha un&apos;ellisse centrale reale lungo gli assi Xc e Yc.</source>
        <translation>The Xc axis is VIOLET. The Yc axis is RED. Xc is the axis of the greatest moment of inertia. With its holes the section has no real central ellipse along the Xc and Yc axes.</translation>
    </message>
    <message>
        <location filename="../src/edit/risultati.cpp" line="183"/>
        <source>L&apos;asse Xc è VIOLA. L&apos;asse Yc è ROSSO. Xc è l&apos;asse intorno a cui si ha l&apos;inerzia massima. Con i suoi fori la sezione non ha un&apos;ellisse centrale reale lungo l&apos;asse Xc.</source>
        <translation>The Xc axis is VIOLET. The Yc axis is RED. Xc is the axis of the greatest moment of inertia. With its holes the section has no real central ellipse along the Xc axis.</translation>
    </message>
    <message>
        <location filename="../src/edit/risultati.cpp" line="186"/>
        <source>L&apos;asse Xc è VIOLA. L&apos;asse Yc è ROSSO. Xc è l&apos;asse intorno a cui si ha l&apos;inerzia massima.</source>
        <translation>The Xc axis is VIOLET. The Yc axis is RED. Xc is the axis of the greatest moment of inertia.</translation>
    </message>
    <message>
        <location filename="../src/edit/sposta.cpp" line="66"/>
        <source>Il rettangolo spostato deve rimanere nella zona positiva dell&apos;area grafica. Reinserire il secondo punto.</source>
        <translation>The moved rectangle must stay in the positive zone of the drawing area. Enter the second point again.</translation>
    </message>
    <message>
        <location filename="../src/edit/sposta.cpp" line="68"/>
        <location filename="../src/edit/tabella.cpp" line="90"/>
        <source>Rettangolo fuori dai limiti dell&apos;area grafica.</source>
        <translation>Rectangle outside the limits of the drawing area.</translation>
    </message>
    <message>
        <location filename="../src/edit/sposta.cpp" line="73"/>
        <source>Il triangolo spostato deve rimanere nella zona positiva dell&apos;area grafica. Reinserire il secondo punto.</source>
        <translation>The moved triangle must stay in the positive zone of the drawing area. Enter the second point again.</translation>
    </message>
    <message>
        <location filename="../src/edit/sposta.cpp" line="75"/>
        <location filename="../src/edit/tabella.cpp" line="101"/>
        <source>Triangolo fuori dai limiti dell&apos;area grafica.</source>
        <translation>Triangle outside the limits of the drawing area.</translation>
    </message>
    <message>
        <location filename="../src/edit/sposta.cpp" line="81"/>
        <source>Il cerchio spostato deve rimanere nella zona positiva dell&apos;area grafica. Reinserire il secondo punto in modo da spostare il centro almeno nel punto di coordinate ( %1 ; %1 ) .</source>
        <translation>The moved circle must stay in the positive zone of the drawing area. Enter the second point again so that the centre moves at least to the point ( %1 ; %1 ) .</translation>
    </message>
    <message>
        <location filename="../src/edit/sposta.cpp" line="91"/>
        <source>La linea spostata deve rimanere nella zona positiva dell&apos;area grafica. Reinserire il secondo punto.</source>
        <translation>The moved line must stay in the positive zone of the drawing area. Enter the second point again.</translation>
    </message>
    <message>
        <location filename="../src/edit/sposta.cpp" line="93"/>
        <location filename="../src/edit/tabella.cpp" line="140"/>
        <source>Linea fuori dai limiti dell&apos;area grafica.</source>
        <translation>Line outside the limits of the drawing area.</translation>
    </message>
    <message>
        <location filename="../src/edit/sposta.cpp" line="103"/>
        <source>Il rettangolo spostato deve rimanere entro le coordinate %1 dell&apos;area grafica. Reinserire il secondo punto.</source>
        <translation>The moved rectangle must stay within the coordinates %1 of the drawing area. Enter the second point again.</translation>
    </message>
    <message>
        <location filename="../src/edit/sposta.cpp" line="105"/>
        <source>Il triangolo spostato deve rimanere entro le coordinate %1 dell&apos;area grafica. Reinserire il secondo punto.</source>
        <translation>The moved triangle must stay within the coordinates %1 of the drawing area. Enter the second point again.</translation>
    </message>
    <message>
        <location filename="../src/edit/sposta.cpp" line="107"/>
        <source>Il cerchio spostato deve rimanere entro le coordinate %1 dell&apos;area grafica. Reinserire il secondo punto.</source>
        <translation>The moved circle must stay within the coordinates %1 of the drawing area. Enter the second point again.</translation>
    </message>
    <message>
        <location filename="../src/edit/sposta.cpp" line="109"/>
        <source>La linea spostata deve rimanere entro le coordinate %1 dell&apos;area grafica. Reinserire il secondo punto.</source>
        <translation>The moved line must stay within the coordinates %1 of the drawing area. Enter the second point again.</translation>
    </message>
    <message>
        <location filename="../src/edit/sposta.cpp" line="116"/>
        <source>sposta %1 %2</source>
        <translation>move %1 %2</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="157"/>
        <location filename="../src/edit/tabella.cpp" line="166"/>
        <source>Valore non valido.</source>
        <translation>Invalid value.</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="163"/>
        <source>%1: il valore di %2 è troppo grande per essere memorizzato.</source>
        <translation>%1: the value of %2 is too large to be stored.</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="164"/>
        <source>%1: il valore di %2 è troppo piccolo per essere memorizzato.</source>
        <translation>%1: the value of %2 is too small to be stored.</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="202"/>
        <source>%1 della %2 %3</source>
        <translation>%1 of %2 %3</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="202"/>
        <source>%1 del %2 %3</source>
        <translation>%1 of %2 %3</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="282"/>
        <source>Riga %1</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="288"/>
        <source>%1: la prima colonna deve dire Rettangolo, Triangolo, Cerchio o Linea.</source>
        <translation>%1: the first column must say Rectangle, Triangle, Circle or Line.</translation>
    </message>
    <message>
        <location filename="../src/edit/tabella.cpp" line="290"/>
        <source>Incolla interrotto.</source>
        <translation>Paste stopped.</translation>
    </message>
    <message>
        <location filename="../src/analysis/carico.cpp" line="173"/>
        <source>Centro di sollecitazione nel baricentro: l&apos;asse neutro è all&apos;infinito, la sezione è compressa uniformemente.</source>
        <translation>Load point at the centroid: the neutral axis is at infinity, the section is uniformly compressed.</translation>
    </message>
    <message>
        <location filename="../src/analysis/carico.cpp" line="177"/>
        <source>Centro di sollecitazione interno al nocciolo: la sezione è tutta compressa.</source>
        <translation>Load point inside the kern: the whole section is compressed.</translation>
    </message>
    <message>
        <location filename="../src/analysis/carico.cpp" line="179"/>
        <source>Centro di sollecitazione sul contorno del nocciolo: l&apos;asse neutro è tangente alla sezione.</source>
        <translation>Load point on the boundary of the kern: the neutral axis touches the section.</translation>
    </message>
    <message>
        <location filename="../src/analysis/carico.cpp" line="182"/>
        <source>Centro di sollecitazione esterno al nocciolo: l&apos;asse neutro taglia la sezione.</source>
        <translation>Load point outside the kern: the neutral axis cuts the section.</translation>
    </message>
    <message>
        <location filename="../src/analysis/carico.cpp" line="186"/>
        <source>Nocciolo non disegnato (servono almeno tre linee di chiusura): smin &gt; 0, la sezione è tutta compressa.</source>
        <translation>Kern not drawn (at least three closure lines are needed): smin &gt; 0, the whole section is compressed.</translation>
    </message>
    <message>
        <location filename="../src/analysis/carico.cpp" line="189"/>
        <source>Nocciolo non disegnato (servono almeno tre linee di chiusura): smin = 0, l&apos;asse neutro è tangente alla sezione.</source>
        <translation>Kern not drawn (at least three closure lines are needed): smin = 0, the neutral axis touches the section.</translation>
    </message>
    <message>
        <location filename="../src/analysis/carico.cpp" line="191"/>
        <source>Nocciolo non disegnato (servono almeno tre linee di chiusura): smin &lt; 0, l&apos;asse neutro taglia la sezione.</source>
        <translation>Kern not drawn (at least three closure lines are needed): smin &lt; 0, the neutral axis cuts the section.</translation>
    </message>
    <message>
        <location filename="../src/edit/annulla.cpp" line="124"/>
        <source>Annulla: comando in corso</source>
        <translation>Undo: command in progress</translation>
    </message>
    <message>
        <location filename="../src/edit/annulla.cpp" line="125"/>
        <source>Annulla: %1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <location filename="../src/edit/annulla.cpp" line="126"/>
        <source>Annulla</source>
        <translation>Undo</translation>
    </message>
    <message>
        <location filename="../src/edit/annulla.cpp" line="130"/>
        <source>Ripeti: %1</source>
        <translation>Redo: %1</translation>
    </message>
    <message>
        <location filename="../src/edit/annulla.cpp" line="131"/>
        <source>Ripeti</source>
        <translation>Redo</translation>
    </message>
    <message>
        <location filename="../src/edit/cancella.cpp" line="17"/>
        <source>Sei sicuro di voler cancellare questo elemento?</source>
        <translation>Are you sure you want to delete this element?</translation>
    </message>
    <message>
        <location filename="../src/edit/cancella.cpp" line="18"/>
        <source>Conferma cancella elemento.</source>
        <translation>Confirm element deletion.</translation>
    </message>
    <message>
        <location filename="../src/edit/cancella.cpp" line="21"/>
        <source>cancella %1 %2</source>
        <translation>delete %1 %2</translation>
    </message>
    <message>
        <location filename="../src/edit/finestra.cpp" line="12"/>
        <source>Vask_2 cad - Edizione didattica %1</source>
        <translation>Vask_2 cad - Teaching edition %1</translation>
    </message>
    <message>
        <location filename="../src/edit/file.cpp" line="49"/>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <location filename="../src/edit/file.cpp" line="50"/>
        <source>%1 *</source>
        <translation>%1 *</translation>
    </message>
    <message>
        <location filename="../src/edit/file.cpp" line="92"/>
        <source>apri %1</source>
        <translation>open %1</translation>
    </message>
    <message>
        <location filename="../src/edit/file.cpp" line="148"/>
        <source>La vista salvata non mostra tutta la sezione: Zoom estensioni (F9) la mostra intera.</source>
        <translation>The saved view does not show the whole section: Zoom extents (F9) shows all of it.</translation>
    </message>
    <message>
        <location filename="../src/edit/finestra.cpp" line="33"/>
        <source>Disegna: Premi i pulsanti rettangolo, triangolo o cerchio per comporre la sezione.</source>
        <translation>Draw: Press the rectangle, triangle or circle buttons to compose the section.</translation>
    </message>
    <message>
        <location filename="../src/edit/finestra.cpp" line="62"/>
        <source>Se si inoltra un nuovo calcolo il lavoro corrente verrà perso. Inoltrare un nuovo calcolo?</source>
        <translation>Starting a new calculation loses the current work. Start a new calculation?</translation>
    </message>
    <message>
        <location filename="../src/edit/finestra.cpp" line="64"/>
        <source>Nuova sezione.</source>
        <translation>New section.</translation>
    </message>
    <message>
        <location filename="../src/edit/finestra.cpp" line="66"/>
        <source>nuova sezione</source>
        <translation>new section</translation>
    </message>
    <message>
        <location filename="../src/edit/finestra.cpp" line="117"/>
        <source>Consulta il file di testo allegato al programma.

GUIDA.txt non si trova in:%1</source>
        <translation>See the text file that comes with the program.

GUIDE.txt was not found in:%1</translation>
    </message>
    <message>
        <location filename="../src/edit/finestra.cpp" line="120"/>
        <source>Guida.</source>
        <translation>Guide.</translation>
    </message>
    <message>
        <location filename="../src/edit/finestra.cpp" line="125"/>
        <source>L&apos;autore declina ogni responsabilità da conseguenze di errori derivanti dall&apos;uso del programma. Nonostante la cura dedicata alla sua realizzazione il software potrebbe presentare disfunzioni ed errori di calcolo, pertanto si invitano gli utenti a segnalarne l&apos;eventuale presenza all&apos; indirizzo di posta elettronica vask2cad@example.org
Sito web: https://example.org/vask2cad</source>
        <translation>The author accepts no responsibility for consequences of errors arising from the use of the program. Despite the care taken in making it, the software may contain faults and calculation errors; users are therefore asked to report any they find to the e-mail address vask2cad@example.org
Web site: https://example.org/vask2cad</translation>
    </message>
    <message>
        <location filename="../src/edit/finestra.cpp" line="130"/>
        <source>Informazioni.</source>
        <translation>About.</translation>
    </message>
    <message>
        <location filename="../src/edit/zoom.cpp" line="31"/>
        <source>Zoom+: Clicca per ingrandire.</source>
        <translation>Zoom+: Click to enlarge.</translation>
    </message>
    <message>
        <location filename="../src/edit/zoom.cpp" line="31"/>
        <source>Zoom-: Clicca per rimpicciolire.</source>
        <translation>Zoom-: Click to reduce.</translation>
    </message>
    <message>
        <location filename="../src/edit/zoom.cpp" line="36"/>
        <source>Zoom+: Non sono ammessi ulteriori zoom+.</source>
        <translation>Zoom+: No further zoom+ is allowed.</translation>
    </message>
    <message>
        <location filename="../src/edit/zoom.cpp" line="36"/>
        <source>Zoom-: Non sono ammessi ulteriori zoom-.</source>
        <translation>Zoom-: No further zoom- is allowed.</translation>
    </message>
    <message>
        <location filename="../src/edit/zoom.cpp" line="115"/>
        <source>Zoom estensioni: la sezione è vuota, torna la vista iniziale.</source>
        <translation>Zoom extents: the section is empty, back to the initial view.</translation>
    </message>
    <message>
        <location filename="../src/edit/zoom.cpp" line="133"/>
        <source>Zoom estensioni: la vista mostra tutta la sezione.</source>
        <translation>Zoom extents: the view shows the whole section.</translation>
    </message>
    <message>
        <location filename="../src/edit/zoom.cpp" line="138"/>
        <source>Zoom estensioni: la sezione è più grande della vista più ampia (larghezza 80); se ne vede la parte in basso a sinistra.</source>
        <translation>Zoom extents: the section is larger than the widest view (width 80); its lower left part is shown.</translation>
    </message>
    <message>
        <location filename="../src/edit/tipi.h" line="15"/>
        <source>rettangolo</source>
        <translation>rectangle</translation>
    </message>
    <message>
        <location filename="../src/edit/tipi.h" line="15"/>
        <source>triangolo</source>
        <translation>triangle</translation>
    </message>
    <message>
        <location filename="../src/edit/tipi.h" line="16"/>
        <source>cerchio</source>
        <translation>circle</translation>
    </message>
    <message>
        <location filename="../src/edit/tipi.h" line="16"/>
        <source>linea</source>
        <translation>line</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="20"/>
        <source>rettangolo %1: %2</source>
        <translation>rectangle %1: %2</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="21"/>
        <source>triangolo %1: %2</source>
        <translation>triangle %1: %2</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="22"/>
        <source>cerchio %1: %2</source>
        <translation>circle %1: %2</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="23"/>
        <source>linea %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="24"/>
        <source>esce dalla zona positiva o dai limiti dell&apos;area grafica.</source>
        <translation>outside the positive quadrant or the limits of the drawing area.</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="25"/>
        <source>densità fuori dei limiti.</source>
        <translation>density out of range.</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="39"/>
        <source>la versione %1 del formato non è conosciuta.</source>
        <translation>version %1 of the format is not known.</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="41"/>
        <source>più di 5 rettangoli.</source>
        <translation>more than 5 rectangles.</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="42"/>
        <source>più di 5 triangoli.</source>
        <translation>more than 5 triangles.</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="43"/>
        <source>più di 5 cerchi.</source>
        <translation>more than 5 circles.</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="44"/>
        <source>più di 10 linee.</source>
        <translation>more than 10 lines.</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="52"/>
        <source>un numero non è finito.</source>
        <translation>a number is not finite.</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="59"/>
        <source>rettangolo degenere.</source>
        <translation>degenerate rectangle.</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="71"/>
        <source>triangolo degenere.</source>
        <translation>degenerate triangle.</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="79"/>
        <source>cerchio degenere.</source>
        <translation>degenerate circle.</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="89"/>
        <source>linea degenere.</source>
        <translation>degenerate line.</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="94"/>
        <source>la larghezza della vista non è una di quelle dello zoom.</source>
        <translation>the width of the view is not one of the zoom&apos;s.</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="96"/>
        <source>la vista esce dai limiti dell&apos;area grafica.</source>
        <translation>the view goes beyond the limits of the drawing area.</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="99"/>
        <source>la griglia è accesa con un passo non valido.</source>
        <translation>the grid is on with an invalid step.</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="100"/>
        <source>il passo dello snap non è valido.</source>
        <translation>the snap step is not valid.</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="102"/>
        <source>un colore non è valido.</source>
        <translation>a colour is not valid.</translation>
    </message>
    <message>
        <location filename="../src/edit/documento.cpp" line="104"/>
        <source>lo spessore delle linee deve essere 1 o 2.</source>
        <translation>the line width must be 1 or 2.</translation>
    </message>
    <message>
        <location filename="../src/app/relazione.cpp" line="208"/>
        <source>Impossibile scrivere la relazione in «%1».</source>
        <translation>Cannot write the report to “%1”.</translation>
    </message>
    <message>
        <location filename="../src/app/relazione.cpp" line="209"/>
        <source>Salvataggio non riuscito.</source>
        <translation>Save failed.</translation>
    </message>
</context>
</TS>
