<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>A flash-card trainer for learning vocabulary.

Type the answer to each card; right answers raise its level, wrong ones bring it back for another round, and cards you know well are put aside.

Lists are kept in .zlk files.</source>
        <translation>Ein Karteikarten-Trainer zum Vokabellernen.

Tippe die Antwort auf jede Karte ein: Richtige Antworten heben ihre Stufe, falsche bringen sie in einer weiteren Runde wieder, und Karten, die du gut kennst, werden beiseitegelegt.

Listen werden in .zlk-Dateien gespeichert.</translation>
    </message>
    <message>
        <source>About Zelkora</source>
        <translation>Über Zelkora</translation>
    </message>
    <message>
        <source>Zelkora, Linux Version</source>
        <translation>Zelkora, Linux-Version</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AnswerCheckDialog</name>
    <message>
        <source>Is your answer right?</source>
        <translation>Ist deine Antwort richtig?</translation>
    </message>
    <message>
        <source>Your answer and the answer in the database differ. Are both answers right?</source>
        <translation>Deine Antwort und die Antwort in der Datenbank unterscheiden sich. Sind beide Antworten richtig?</translation>
    </message>
    <message>
        <source>Card Number (ID)</source>
        <translation>Kartennummer (ID)</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Your Answer</source>
        <translation>Deine Antwort</translation>
    </message>
    <message>
        <source>Answer in the Database</source>
        <translation>Antwort in der Datenbank</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Yes, &amp;add my answer</source>
        <translation>Ja, meine Antwort &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Yes, &amp;replace answer</source>
        <translation>Ja, Antwort &amp;ersetzen</translation>
    </message>
</context>
<context>
    <name>ChangeCardDialog</name>
    <message>
        <source>Change a card</source>
        <translation>Karte ändern</translation>
    </message>
    <message>
        <source>Please press &apos;search ID&apos;, &apos;search question&apos; or &apos;search answer&apos; to look for a card in the database. Then you can modify it and enter your answer by clicking OK.</source>
        <translation>Bitte drücke „ID suchen“, „Frage suchen“ oder „Antwort suchen“, um eine Karte in der Datenbank zu suchen. Dann kannst du sie ändern und mit OK übernehmen.</translation>
    </message>
    <message>
        <source>Card Number (ID)</source>
        <translation>Kartennummer (ID)</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>Additional Information</source>
        <translation>Zusatzinformation</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Search ID...</source>
        <translation>ID suchen...</translation>
    </message>
    <message>
        <source>Search Question...</source>
        <translation>Frage suchen...</translation>
    </message>
    <message>
        <source>Search Answer...</source>
        <translation>Antwort suchen...</translation>
    </message>
    <message>
        <source>Delete Card...</source>
        <translation>Karte löschen...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Please enter the question to search.</source>
        <translation>Bitte gib die gesuchte Frage ein.</translation>
    </message>
    <message>
        <source>Please enter the answer to search.</source>
        <translation>Bitte gib die gesuchte Antwort ein.</translation>
    </message>
    <message>
        <source>Please enter the ID (card number) to search.</source>
        <translation>Bitte gib die gesuchte ID (Kartennummer) ein.</translation>
    </message>
</context>
<context>
    <name>ChooserButtons</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: zelkora [LIST]
A flash-card trainer for learning vocabulary.

Opens the vocabulary list LIST (a .zlk list or a tab-separated text file). The whole
command line is the path, blanks included, so no quotes are needed.

  --help     show this help and exit
  --version  show the version and exit
</source>
        <translation>Aufruf: zelkora [LISTE]
Ein Karteikarten-Trainer zum Vokabellernen.

Öffnet die Vokabelliste LISTE (eine .zlk-Liste oder eine Textdatei mit Tabulatoren). Die
ganze Befehlszeile ist der Pfad, Leerzeichen eingeschlossen; Anführungszeichen sind nicht nötig.

  --help     diese Hilfe zeigen und beenden
  --version  die Version zeigen und beenden
</translation>
    </message>
</context>
<context>
    <name>ExamDialog</name>
    <message>
        <source>Please enter the meaning of this word:</source>
        <translation>Bitte gib die Bedeutung dieses Wortes ein:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Card Number (ID)</source>
        <translation>Kartennummer (ID)</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Add. Inform.</source>
        <translation>Zusatzinfo</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Edit Card</source>
        <translation>Karte bearbeiten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 asked, %2 right, %3 wrong</source>
        <translation>%1 gefragt, %2 richtig, %3 falsch</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, %1 übrig</translation>
    </message>
    <message>
        <source>Right: </source>
        <translation>Richtig: </translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Zelkora-File</source>
        <translation>Zelkora-Datei</translation>
    </message>
    <message>
        <source>text file</source>
        <translation>Textdatei</translation>
    </message>
    <message>
        <source>Zelkora Files (*.ZLK)</source>
        <translation>Zelkora-Dateien (*.ZLK)</translation>
    </message>
    <message>
        <source>Text Files (*.TXT)</source>
        <translation>Textdateien (*.TXT)</translation>
    </message>
    <message>
        <source>KVTML Vocabularies (*.KVTML)</source>
        <translation>KVTML-Vokabeldateien (*.KVTML)</translation>
    </message>
    <message>
        <source>CSV Tables (*.CSV)</source>
        <translation>CSV-Tabellen (*.CSV)</translation>
    </message>
    <message>
        <source>Tab-Separated Tables (*.TSV)</source>
        <translation>Tabulator-getrennte Tabellen (*.TSV)</translation>
    </message>
</context>
<context>
    <name>KnownCardDialog</name>
    <message>
        <source>Do you really know this word?</source>
        <translation>Kennst du dieses Wort wirklich?</translation>
    </message>
    <message>
        <source>You have answered this word correctly as many times as specified in the Preferences dialog. Do you want to keep it or do you want to put it into the list of known cards?</source>
        <translation>Du hast dieses Wort so oft richtig beantwortet, wie in den Einstellungen festgelegt. Möchtest du es behalten oder in die Liste der bekannten Karten legen?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Known Cards</source>
        <translation>Bekannte Karten</translation>
    </message>
</context>
<context>
    <name>LanguageChooserDialog</name>
    <message>
        <source>Choose Languages</source>
        <translation>Sprachen wählen</translation>
    </message>
    <message>
        <source>This file holds more than two languages. Which two become the cards?</source>
        <translation>Diese Datei enthält mehr als zwei Sprachen. Welche beiden sollen die Karten bilden?</translation>
    </message>
    <message>
        <source>&amp;Question:</source>
        <translation>&amp;Frage:</translation>
    </message>
    <message>
        <source>&amp;Answer:</source>
        <translation>&amp;Antwort:</translation>
    </message>
</context>
<context>
    <name>LessonChooser</name>
    <message>
        <source>Choose a lesson...</source>
        <translation>Lektion wählen...</translation>
    </message>
    <message>
        <source>Please choose a lesson:
(Use Shift and Ctrl to select more than one lesson)</source>
        <translation>Bitte wähle eine Lektion:
(Mit Umschalt und Strg lassen sich mehrere Lektionen wählen)</translation>
    </message>
</context>
<context>
    <name>LevelChooser</name>
    <message>
        <source>Choose a level</source>
        <translation>Stufe wählen</translation>
    </message>
    <message>
        <source>Please choose a level:</source>
        <translation>Bitte wähle eine Stufe:</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Systematic Examination</source>
        <translation>Systematische Abfrage</translation>
    </message>
    <message>
        <source>Examination in Order</source>
        <translation>Abfrage der Reihe nach</translation>
    </message>
    <message>
        <source>Ex. in Random Order</source>
        <translation>Zufällige Abfrage</translation>
    </message>
    <message>
        <source>Examine Wrong Words</source>
        <translation>Falsche Wörter abfragen</translation>
    </message>
    <message>
        <source>New Card</source>
        <translation>Neue Karte</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source> Question &lt;-&gt; Answer</source>
        <translation> Frage &lt;-&gt; Antwort</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About Zelkora...</source>
        <translation>Über Zelkora...</translation>
    </message>
    <message>
        <source>Number of cards</source>
        <translation>Anzahl der Karten</translation>
    </message>
    <message>
        <source>Known cards</source>
        <translation>Bekannte Karten</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New List...</source>
        <translation>&amp;Neue Liste...</translation>
    </message>
    <message>
        <source>&amp;Open List...</source>
        <translation>Liste ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Close List</source>
        <translation>Liste s&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Save List...</source>
        <translation>Liste &amp;speichern...</translation>
    </message>
    <message>
        <source>Save List &amp;As...</source>
        <translation>Liste speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Export Cards...</source>
        <translation>Karten &amp;exportieren...</translation>
    </message>
    <message>
        <source>Export Question...</source>
        <translation>Fragen exportieren...</translation>
    </message>
    <message>
        <source>Export Answer...</source>
        <translation>Antworten exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Cards...</source>
        <translation>Karteikarten drucken...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Font of the Question...</source>
        <translation>Schriftart der Frage...</translation>
    </message>
    <message>
        <source>Font of the Answer...</source>
        <translation>Schriftart der Antwort...</translation>
    </message>
    <message>
        <source>Systematic Examination...</source>
        <translation>Systematische Abfrage...</translation>
    </message>
    <message>
        <source>Examination in &amp;Order...</source>
        <translation>Abfrage der &amp;Reihe nach...</translation>
    </message>
    <message>
        <source>Examination in &amp;Random Order...</source>
        <translation>Abfrage in &amp;zufälliger Reihenfolge...</translation>
    </message>
    <message>
        <source>Examination of &amp;Wrong Words</source>
        <translation>Abfrage der &amp;falschen Wörter</translation>
    </message>
    <message>
        <source>&amp;Cards</source>
        <translation>&amp;Karten</translation>
    </message>
    <message>
        <source>&amp;New Cards...</source>
        <translation>&amp;Neue Karten...</translation>
    </message>
    <message>
        <source>&amp;Modify Cards...</source>
        <translation>Karten &amp;ändern...</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>&amp;Exchange Question and Answer</source>
        <translation>Frage und Antwort &amp;tauschen</translation>
    </message>
    <message>
        <source>&amp;Overview...</source>
        <translation>Ü&amp;bersicht...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>Stat&amp;istik...</translation>
    </message>
    <message>
        <source>&amp;Special Examination</source>
        <translation>&amp;Sonderabfrage</translation>
    </message>
    <message>
        <source>Examination of the &amp;Known Words...</source>
        <translation>Abfrage der &amp;bekannten Wörter...</translation>
    </message>
    <message>
        <source>&amp;Choose a Lesson...</source>
        <translation>&amp;Lektion wählen...</translation>
    </message>
    <message>
        <source>Lesson in &amp;Order...</source>
        <translation>Lektion der &amp;Reihe nach...</translation>
    </message>
    <message>
        <source>Lesson in &amp;Random Order...</source>
        <translation>Lektion in &amp;zufälliger Reihenfolge...</translation>
    </message>
    <message>
        <source>Lesson - &amp;Systematic Examination...</source>
        <translation>Lektion - &amp;systematische Abfrage...</translation>
    </message>
    <message>
        <source>Choose a &amp;Level...</source>
        <translation>St&amp;ufe wählen...</translation>
    </message>
    <message>
        <source>Level in order...</source>
        <translation>Stufe der Reihe nach...</translation>
    </message>
    <message>
        <source>P&amp;references...</source>
        <translation>Einstellun&amp;gen...</translation>
    </message>
    <message>
        <source>E&amp;xamination</source>
        <translation>&amp;Abfrage</translation>
    </message>
    <message>
        <source>E&amp;xport for Other Programs...</source>
        <translation>Für andere Programme e&amp;xportieren...</translation>
    </message>
</context>
<context>
    <name>NewCardDialog</name>
    <message>
        <source>New vocabulary card</source>
        <translation>Neue Vokabelkarte</translation>
    </message>
    <message>
        <source>Please enter the question and the answer of the new card.( Zelkora will ask you the question and you will have to enter the answer)</source>
        <translation>Bitte gib die Frage und die Antwort der neuen Karte ein. (Zelkora stellt dir die Frage, und du musst die Antwort eingeben.)</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Additional Information</source>
        <translation>Zusatzinformation</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>Enter this word</source>
        <translation>Wort eintragen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>OverviewDialog</name>
    <message>
        <source>All cards</source>
        <translation>Alle Karten</translation>
    </message>
    <message>
        <source>Known Cards</source>
        <translation>Bekannte Karten</translation>
    </message>
    <message>
        <source>Unknown Cards</source>
        <translation>Unbekannte Karten</translation>
    </message>
    <message>
        <source>Wrong Cards</source>
        <translation>Falsche Karten</translation>
    </message>
    <message>
        <source>Cards of lesson:</source>
        <translation>Karten der Lektion:</translation>
    </message>
    <message>
        <source>Cards on level:</source>
        <translation>Karten der Stufe:</translation>
    </message>
    <message>
        <source>Contents of your vocabulary list:</source>
        <translation>Inhalt deiner Vokabelliste:</translation>
    </message>
    <message>
        <source>Here you can see an overview of your cards. Click on a column to sort the list, double-click on a card to display it.</source>
        <translation>Hier siehst du eine Übersicht deiner Karten. Klicke auf eine Spalte, um die Liste zu sortieren, und doppelklicke auf eine Karte, um sie anzuzeigen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Search for...</source>
        <translation>Suchen nach...</translation>
    </message>
    <message>
        <source>Refresh List</source>
        <translation>Liste auffrischen</translation>
    </message>
    <message>
        <source>Please enter the string to search for.</source>
        <translation>Bitte gib den gesuchten Text ein.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Enter the number of times that a word must be answered correctly before it can be considered known</source>
        <translation>Wie oft muss ein Wort richtig beantwortet werden, bevor es als bekannt gilt?</translation>
    </message>
    <message>
        <source>Show additional information during an examination</source>
        <translation>Zusatzinformation während der Abfrage zeigen</translation>
    </message>
    <message>
        <source>Use duplex mode for printing vocabulary cards (print Q-A-Q-A, not QQ..., AA)</source>
        <translation>Karteikarten doppelseitig drucken (F-A-F-A statt FF..., AA)</translation>
    </message>
    <message>
        <source>Print cards in the format A7 instead of A6.</source>
        <translation>Karten im Format A7 statt A6 drucken.</translation>
    </message>
    <message>
        <source>Meanings (answers) have to be entered in the right order.</source>
        <translation>Bedeutungen in der richtigen Reihenfolge eingeben.</translation>
    </message>
    <message>
        <source>The meanings do not need to be entered in the right order, but you have to enter all words.</source>
        <translation>Die Bedeutungen müssen nicht in der richtigen Reihenfolge eingegeben werden, aber alle Wörter.</translation>
    </message>
    <message>
        <source>You do not need to enter all meanings of a word</source>
        <translation>Nicht alle Bedeutungen eines Wortes sind nötig</translation>
    </message>
</context>
<context>
    <name>PrintDialogs</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
</context>
<context>
    <name>PrintSelectionDialog</name>
    <message>
        <source>Choose a list...</source>
        <translation>Liste wählen...</translation>
    </message>
    <message>
        <source>Please choose the list to print</source>
        <translation>Bitte wähle die Liste, die gedruckt werden soll</translation>
    </message>
    <message>
        <source>Print all cards</source>
        <translation>Alle Karten drucken</translation>
    </message>
    <message>
        <source>Print cards on level</source>
        <translation>Karten der Stufe drucken</translation>
    </message>
    <message>
        <source>Print cards of lesson</source>
        <translation>Karten der Lektion drucken</translation>
    </message>
    <message>
        <source>Print all cards you answered wrong during this examination</source>
        <translation>Alle Karten drucken, die du in dieser Abfrage falsch beantwortet hast</translation>
    </message>
    <message>
        <source>Print all known cards</source>
        <translation>Alle bekannten Karten drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Vorschau...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Search for...</source>
        <translation>Suchen nach...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Number of cards:</source>
        <translation>Anzahl der Karten:</translation>
    </message>
    <message>
        <source>Known Cards:</source>
        <translation>Bekannte Karten:</translation>
    </message>
    <message>
        <source>Wrong Cards:</source>
        <translation>Falsche Karten:</translation>
    </message>
    <message>
        <source>averagely asked:</source>
        <translation>durchschnittlich gefragt:</translation>
    </message>
    <message>
        <source>total asked:</source>
        <translation>insgesamt gefragt:</translation>
    </message>
    <message>
        <source>time per card:</source>
        <translation>Zeit pro Karte:</translation>
    </message>
    <message>
        <source>time total:</source>
        <translation>Zeit insgesamt:</translation>
    </message>
    <message>
        <source>% wrong:</source>
        <translation>% falsch:</translation>
    </message>
    <message>
        <source>Wrong answers/answers:</source>
        <translation>Falsche Antworten/Antworten:</translation>
    </message>
    <message>
        <source>remaining examinations:</source>
        <translation>verbleibende Abfragen:</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Cards on level 0,1,2,3,4,5,6,7 and more. Known cards included.</source>
        <translation>Karten auf Stufe 0,1,2,3,4,5,6,7 und höher. Bekannte Karten eingeschlossen.</translation>
    </message>
    <message>
        <source>Learning success: improvement of the level of your cards of -3, -2, -1, 0, 1, 2, 3, 4 and more.</source>
        <translation>Lernerfolg: Verbesserung der Stufe deiner Karten um -3, -2, -1, 0, 1, 2, 3, 4 und mehr.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Auffrischen</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>About Zelkora for Windows</source>
        <comment>101</comment>
        <translation>Über Zelkora für Windows</translation>
    </message>
    <message>
        <source>You have not opened any cards yet. Please try &apos;open&apos; or &apos;new list&apos;</source>
        <comment>102</comment>
        <translation>Du hast noch keine Karten geöffnet. Bitte versuche „Öffnen“ oder „Neue Liste“.</translation>
    </message>
    <message>
        <source>An error occured while opening a file. No vocabulary has been read.</source>
        <comment>111</comment>
        <translation>Beim Öffnen einer Datei ist ein Fehler aufgetreten. Es wurden keine Vokabeln gelesen.</translation>
    </message>
    <message>
        <source>Du benutzt ein altes, nicht kompatibles Zelkora-Format! Nimm das Programm, mit welchem Du das Dokument erzeugt hast, und exportiere es dort. Anschliessend solltest Du es problemlos einlesen koennen.</source>
        <comment>123</comment>
        <translation>Du benutzt ein altes, nicht kompatibles Zelkora-Format! Nimm das Programm, mit welchem Du das Dokument erzeugt hast, und exportiere es dort. Anschliessend solltest Du es problemlos einlesen koennen.</translation>
    </message>
    <message>
        <source>No more memory. Bye!</source>
        <comment>125</comment>
        <translation>Kein Speicher mehr. Tschüss!</translation>
    </message>
    <message>
        <source>Please choose a radio button.</source>
        <comment>126</comment>
        <translation>Bitte wähle eine der Möglichkeiten.</translation>
    </message>
    <message>
        <source>There was an error while saving cards.</source>
        <comment>131</comment>
        <translation>Beim Speichern der Karten ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Error in the error-handling. Please mail us this error IMMEDIATELY! (zelkora-bugs@lists.zelkora.org)</source>
        <comment>132</comment>
        <translation>Fehler in der Fehlerbehandlung. Bitte schicke uns diesen Fehler SOFORT! (zelkora-bugs@lists.zelkora.org)</translation>
    </message>
    <message>
        <source>Caution:</source>
        <comment>136</comment>
        <translation>Achtung:</translation>
    </message>
    <message>
        <source>You have entered new cards or you have modified some words. Do you want to save them before you close the list?</source>
        <comment>137</comment>
        <translation>Du hast neue Karten eingegeben oder Wörter geändert. Möchtest du sie speichern, bevor du die Liste schließt?</translation>
    </message>
    <message>
        <source>There was an error while building a &apos;Device Context&apos;. Check your printer/driver.</source>
        <comment>138</comment>
        <translation>Beim Einrichten des Druckers ist ein Fehler aufgetreten. Bitte prüfe Drucker und Treiber.</translation>
    </message>
    <message>
        <source>There was an error while beginning a new page. Check: memory, disk space, printer and printer driver.</source>
        <comment>139</comment>
        <translation>Beim Beginnen einer neuen Seite ist ein Fehler aufgetreten. Bitte prüfe Speicher, Plattenplatz, Drucker und Druckertreiber.</translation>
    </message>
    <message>
        <source>There was an attempt to delete a nonexistant dialog. Bye...</source>
        <comment>161</comment>
        <translation>Es wurde versucht, ein nicht vorhandenes Fenster zu löschen. Tschüss...</translation>
    </message>
    <message>
        <source>Open a list:</source>
        <comment>162</comment>
        <translation>Liste öffnen:</translation>
    </message>
    <message>
        <source>An error occurred</source>
        <comment>163</comment>
        <translation>Ein Fehler ist aufgetreten</translation>
    </message>
    <message>
        <source>Message:</source>
        <comment>164</comment>
        <translation>Meldung:</translation>
    </message>
    <message>
        <source>Save this file as:</source>
        <comment>170</comment>
        <translation>Datei speichern unter:</translation>
    </message>
    <message>
        <source>Export this file as:</source>
        <comment>171</comment>
        <translation>Datei exportieren als:</translation>
    </message>
    <message>
        <source>Internal Database error: a card has been compared with itself.</source>
        <comment>172</comment>
        <translation>Interner Datenbankfehler: Eine Karte wurde mit sich selbst verglichen.</translation>
    </message>
    <message>
        <source>A card was not correct. Internal database error.</source>
        <comment>173</comment>
        <translation>Eine Karte war nicht korrekt. Interner Datenbankfehler.</translation>
    </message>
    <message>
        <source>There are no cards to sort</source>
        <comment>174</comment>
        <translation>Es gibt keine Karten zum Sortieren</translation>
    </message>
    <message>
        <source>The font in the *.zlk file was not found. Please choose another font.</source>
        <comment>176</comment>
        <translation>Die Schriftart aus der *.zlk-Datei wurde nicht gefunden. Bitte wähle eine andere Schriftart.</translation>
    </message>
    <message>
        <source>There are no cards with these properties</source>
        <comment>184</comment>
        <translation>Es gibt keine Karten mit diesen Eigenschaften</translation>
    </message>
    <message>
        <source>Zelkora - List</source>
        <comment>185</comment>
        <translation>Zelkora - Liste</translation>
    </message>
    <message>
        <source>Zelkora - Cards</source>
        <comment>186</comment>
        <translation>Zelkora - Karten</translation>
    </message>
    <message>
        <source>To print cards of the format A6 you have to choose &apos;Orientation=Portrait&apos; in the print dialog &apos;properties&apos;.</source>
        <comment>187</comment>
        <translation>Um Karten im Format A6 zu drucken, musst du im Druckdialog unter „Eigenschaften“ „Ausrichtung=Hochformat“ wählen.</translation>
    </message>
    <message>
        <source>To print cards of the format A7 you have to choose &apos;Orientation=Landscape&apos; in the print dialog &apos;properties&apos;.</source>
        <comment>188</comment>
        <translation>Um Karten im Format A7 zu drucken, musst du im Druckdialog unter „Eigenschaften“ „Ausrichtung=Querformat“ wählen.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <comment>200</comment>
        <translation>Bitte gib eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <comment>201</comment>
        <translation>Bitte gib eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <comment>202</comment>
        <translation>Bitte gib höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>You reached the end of the list.</source>
        <comment>220</comment>
        <translation>Du hast das Ende der Liste erreicht.</translation>
    </message>
    <message>
        <source>Too few words for a random examination</source>
        <comment>221</comment>
        <translation>Zu wenige Wörter für eine zufällige Abfrage</translation>
    </message>
    <message>
        <source>The systematic examination has been written for more than 10 cards. It makes sense if you have more than 20 cards... But there are less than 10 cards in your list.</source>
        <comment>222</comment>
        <translation>Die systematische Abfrage ist für mehr als 10 Karten gedacht. Sinnvoll ist sie ab mehr als 20 Karten... In deiner Liste sind aber weniger als 10 Karten.</translation>
    </message>
    <message>
        <source>Sorry, your answer cannot be added because it is too long.</source>
        <comment>223</comment>
        <translation>Deine Antwort kann leider nicht hinzugefügt werden, weil sie zu lang ist.</translation>
    </message>
    <message>
        <source>There was an error in the function to move cards from unknown to known words: The card was already in the list of known cards. There is probabely more than one card with the same ID.</source>
        <comment>224</comment>
        <translation>Fehler beim Verschieben einer Karte zu den bekannten Wörtern: Die Karte war schon in der Liste der bekannten Karten. Wahrscheinlich gibt es mehr als eine Karte mit derselben ID.</translation>
    </message>
    <message>
        <source>Internal error: the answer in the database has more than 10 meanings.</source>
        <comment>225</comment>
        <translation>Interner Fehler: Die Antwort in der Datenbank hat mehr als 10 Bedeutungen.</translation>
    </message>
    <message>
        <source>Sorry: There are no cards of this lesson.</source>
        <comment>240</comment>
        <translation>Leider gibt es keine Karten dieser Lektion.</translation>
    </message>
    <message>
        <source>Sorry: there are no cards on this level.</source>
        <comment>241</comment>
        <translation>Leider gibt es keine Karten auf dieser Stufe.</translation>
    </message>
    <message>
        <source>Your answer does not make sense: The question or the anser do not contain any words.</source>
        <comment>260</comment>
        <translation>Deine Eingabe ergibt keinen Sinn: Die Frage oder die Antwort enthält keine Wörter.</translation>
    </message>
    <message>
        <source>The card was not found.</source>
        <comment>261</comment>
        <translation>Die Karte wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>There is no card selected to modify. Please choose &apos;close&apos; or &apos;search ...&apos;</source>
        <comment>262</comment>
        <translation>Es ist keine Karte zum Ändern ausgewählt. Bitte wähle „Schließen“ oder „Suchen...“.</translation>
    </message>
    <message>
        <source>There is no card chosen. Before you can delete a card, you have to search for it.</source>
        <comment>263</comment>
        <translation>Es ist keine Karte ausgewählt. Bevor du eine Karte löschen kannst, musst du sie suchen.</translation>
    </message>
    <message>
        <source>You are trying to delete a card. Do you really want to delete it?</source>
        <comment>264</comment>
        <translation>Du bist dabei, eine Karte zu löschen. Möchtest du sie wirklich löschen?</translation>
    </message>
    <message>
        <source>DEBUG: Fehler</source>
        <comment>265</comment>
        <translation>DEBUG: Fehler</translation>
    </message>
    <message>
        <source>Internal error: the overview could not show all cards.</source>
        <comment>280</comment>
        <translation>Interner Fehler: Die Übersicht konnte nicht alle Karten zeigen.</translation>
    </message>
    <message>
        <source>There was an error while opening a picture.</source>
        <comment>300</comment>
        <translation>Beim Öffnen eines Bildes ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Some Registry entries could not be written. Please reinstall Zelkora</source>
        <comment>301</comment>
        <translation>Einige Einstellungen konnten nicht geschrieben werden. Bitte installiere Zelkora neu.</translation>
    </message>
    <message>
        <source>The font debug file &quot;font_debug_file&quot; could not be opened in the current folder. The list is saved all the same.</source>
        <comment>600</comment>
        <translation>Die Datei „font_debug_file“ für das Schriftarten-Protokoll konnte im aktuellen Ordner nicht geöffnet werden. Die Liste wird trotzdem gespeichert.</translation>
    </message>
    <message>
        <source>The path given on the command line is longer than 499 bytes. No list has been opened.</source>
        <comment>700</comment>
        <translation>Der Pfad auf der Befehlszeile ist länger als 499 Bytes. Es wurde keine Liste geöffnet.</translation>
    </message>
    <message>
        <source>Examination in order</source>
        <comment>750</comment>
        <translation>Abfrage der Reihe nach</translation>
    </message>
    <message>
        <source>Examination of the wrong words</source>
        <comment>751</comment>
        <translation>Abfrage der falschen Wörter</translation>
    </message>
    <message>
        <source>Examination in order (Level)</source>
        <comment>752</comment>
        <translation>Abfrage der Reihe nach (Stufe)</translation>
    </message>
    <message>
        <source>Examination in order (Lesson)</source>
        <comment>753</comment>
        <translation>Abfrage der Reihe nach (Lektion)</translation>
    </message>
    <message>
        <source>Examination in order (known words)</source>
        <comment>754</comment>
        <translation>Abfrage der Reihe nach (bekannte Wörter)</translation>
    </message>
    <message>
        <source>Examination in random order</source>
        <comment>755</comment>
        <translation>Abfrage in zufälliger Reihenfolge</translation>
    </message>
    <message>
        <source>Examination in random order (Lesson)</source>
        <comment>756</comment>
        <translation>Abfrage in zufälliger Reihenfolge (Lektion)</translation>
    </message>
    <message>
        <source>Systematic examination</source>
        <comment>757</comment>
        <translation>Systematische Abfrage</translation>
    </message>
    <message>
        <source>Systematic examination (Lesson)</source>
        <comment>758</comment>
        <translation>Systematische Abfrage (Lektion)</translation>
    </message>
    <message>
        <source>Question</source>
        <comment>800</comment>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answer</source>
        <comment>801</comment>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Add. Information</source>
        <comment>802</comment>
        <translation>Zusatzinfo</translation>
    </message>
    <message>
        <source>Lesson</source>
        <comment>803</comment>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>id</source>
        <comment>804</comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>Level</source>
        <comment>805</comment>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>The printable area of this page (%1 x %2 units) is too small for the card list: it needs at least %3 units across and %4 down. Please choose a larger paper size.</source>
        <comment>850</comment>
        <translation>Der bedruckbare Bereich dieser Seite (%1 x %2 Einheiten) ist zu klein für die Kartenliste: Sie braucht mindestens %3 Einheiten in der Breite und %4 in der Höhe. Bitte wähle ein größeres Papierformat.</translation>
    </message>
    <message>
        <source>The printable area of this page (%1 x %2 units) is too small for flash cards: each card needs at least %3 x %4 units for its lesson and one line of text. Please choose a larger paper size.</source>
        <comment>851</comment>
        <translation>Der bedruckbare Bereich dieser Seite (%1 x %2 Einheiten) ist zu klein für Karteikarten: Jede Karte braucht mindestens %3 x %4 Einheiten für ihre Lektion und eine Textzeile. Bitte wähle ein größeres Papierformat.</translation>
    </message>
    <message>
        <source>Without duplex printing the answer pages come first and the question pages follow them in the same file:
%1</source>
        <comment>852</comment>
        <translation>Ohne doppelseitigen Druck kommen zuerst die Antwortseiten und danach die Fragenseiten in derselben Datei:
%1</translation>
    </message>
    <message>
        <source>This file is not a vocabulary list. Nothing has been read.</source>
        <comment>601</comment>
        <translation>Diese Datei ist keine Vokabelliste. Es wurde nichts eingelesen.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment>602</comment>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment>603</comment>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment>604</comment>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Folder missing</source>
        <comment>605</comment>
        <translation>Ordner fehlt</translation>
    </message>
    <message>
        <source>Not a file</source>
        <comment>606</comment>
        <translation>Keine Datei</translation>
    </message>
    <message>
        <source>Unsaved changes found</source>
        <comment>701</comment>
        <translation>Ungesicherte Änderungen gefunden</translation>
    </message>
    <message>
        <source>Zelkora did not end properly. The changes to the list %1 were kept at %2 but never saved.

Restore them, or discard them for good? (Cancel asks again at the next start.)</source>
        <comment>702</comment>
        <translation>Zelkora wurde nicht richtig beendet. Die Änderungen an der Liste %1 wurden am %2 aufbewahrt, aber nie gespeichert.
Möchtest du sie wiederherstellen oder endgültig verwerfen? (Abbrechen fragt beim nächsten Start erneut.)</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <comment>703</comment>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <comment>704</comment>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>This file is damaged at line %1 and cannot be read. Nothing has been read.</source>
        <comment>607</comment>
        <translation>Diese Datei ist in Zeile %1 beschädigt und kann nicht gelesen werden. Es wurde nichts eingelesen.</translation>
    </message>
    <message>
        <source>This file is damaged at line %1, column %2 and cannot be read. Nothing has been read.</source>
        <comment>608</comment>
        <translation>Diese Datei ist in Zeile %1, Spalte %2 beschädigt und kann nicht gelesen werden. Es wurde nichts eingelesen.</translation>
    </message>
</context>
</TS>
