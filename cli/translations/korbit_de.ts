<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>korbit</name>
    <message>
        <source>Passwords must be 6 or more characters!</source>
        <translation>Passwörter müssen mindestens 6 Zeichen haben!</translation>
    </message>
    <message>
        <source>Passwords must be 26 or fewer characters!</source>
        <translation>Passwörter dürfen höchstens 26 Zeichen haben!</translation>
    </message>
    <message>
        <source>This password holds characters beyond U+00FF. Only the lowest 8 bits of each character enter the key, so each such character counts the same as 255 others: &quot;фффффф&quot; and &quot;DDDDDD&quot; are the same password.</source>
        <translation>Dieses Passwort enthält Zeichen jenseits von U+00FF. Von jedem Zeichen gehen nur die unteren 8 Bit in den Schlüssel ein, daher zählt jedes solche Zeichen so viel wie 255 andere: „фффффф“ und „DDDDDD“ sind dasselbe Passwort.</translation>
    </message>
    <message>
        <source>less than a second</source>
        <translation>weniger als eine Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>about %n seconds</source>
        <translation>
            <numerusform>etwa %n Sekunde</numerusform>
            <numerusform>etwa %n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <translation>
            <numerusform>etwa %n Minute</numerusform>
            <numerusform>etwa %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <translation>
            <numerusform>etwa %n Stunde</numerusform>
            <numerusform>etwa %n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <translation>
            <numerusform>etwa %n Tag</numerusform>
            <numerusform>etwa %n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <translation>
            <numerusform>etwa %n Jahr</numerusform>
            <numerusform>etwa %n Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>Weak: one graphics card could guess it in %1.</source>
        <translation>Schwach: Zum Erraten bräuchte eine Grafikkarte %1.</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Passwort: </translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>kein Passwort angegeben</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>Password again: </source>
        <translation>Passwort wiederholen: </translation>
    </message>
    <message>
        <source>the passwords do not match</source>
        <translation>die Passwörter stimmen nicht überein</translation>
    </message>
    <message>
        <source>no password after %1 tries; nothing was changed</source>
        <translation>kein Passwort nach %1 Versuchen; nichts wurde geändert</translation>
    </message>
    <message>
        <source>no password given: %1 holds no line</source>
        <translation>kein Passwort angegeben: %1 enthält keine Zeile</translation>
    </message>
    <message>
        <source>Try &apos;korbit --help&apos;.</source>
        <translation>Mehr dazu: &apos;korbit --help&apos;.</translation>
    </message>
    <message>
        <source>--answer needs a value: ok, yes, no or cancel</source>
        <translation>--answer braucht einen Wert: ok, yes, no oder cancel</translation>
    </message>
    <message>
        <source>--password-file needs the name of a file</source>
        <translation>--password-file braucht den Namen einer Datei</translation>
    </message>
    <message>
        <source>--password-fd needs the number of an open file descriptor</source>
        <translation>--password-fd braucht die Nummer eines offenen Dateideskriptors</translation>
    </message>
    <message>
        <source>%1 needs a file to write, or - for standard output</source>
        <translation>%1 braucht eine Datei zum Schreiben oder - für die Standardausgabe</translation>
    </message>
    <message>
        <source>give one of --password-stdin, --password-file and --password-fd</source>
        <translation>geben Sie nur eine der Optionen --password-stdin, --password-file und --password-fd an</translation>
    </message>
    <message>
        <source>--password-fd takes the number of an open file descriptor, not &apos;%1&apos;</source>
        <translation>--password-fd erwartet die Nummer eines offenen Dateideskriptors, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--answer takes ok, yes, no or cancel, not &apos;%1&apos;</source>
        <translation>--answer erwartet ok, yes, no oder cancel, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs at least one FILE</source>
        <translation>%1 braucht mindestens eine Datei (FILE)</translation>
    </message>
    <message>
        <source>- (standard input) takes one FILE</source>
        <translation>- (Standardeingabe) geht nur mit einer Datei (FILE)</translation>
    </message>
    <message>
        <source>-o takes one FILE</source>
        <translation>-o geht nur mit einer Datei (FILE)</translation>
    </message>
    <message>
        <source>--force goes with -o OUT</source>
        <translation>--force gilt nur zusammen mit -o OUT</translation>
    </message>
    <message>
        <source>standard input carries the data: give --password-file FILE or --password-fd N, or type the password at the terminal</source>
        <translation>die Standardeingabe liefert die Daten: Geben Sie --password-file FILE oder --password-fd N an oder geben Sie das Passwort am Terminal ein</translation>
    </message>
    <message>
        <source>a container is no text for the terminal: give -o FILE or redirect standard output</source>
        <translation>eine verschlüsselte Datei ist kein Text für das Terminal: Geben Sie -o FILE an oder leiten Sie die Standardausgabe um</translation>
    </message>
    <message>
        <source>%1: encrypted already; use &apos;korbit decrypt&apos;</source>
        <translation>%1: bereits verschlüsselt; verwenden Sie &apos;korbit decrypt&apos;</translation>
    </message>
    <message>
        <source>%1: not encrypted; use &apos;korbit encrypt&apos;</source>
        <translation>%1: nicht verschlüsselt; verwenden Sie &apos;korbit encrypt&apos;</translation>
    </message>
    <message>
        <source>no password: there is no terminal to ask at; give --password-stdin, --password-file FILE or --password-fd N</source>
        <translation>kein Passwort: Es gibt kein Terminal, an dem danach gefragt werden kann; geben Sie --password-stdin, --password-file FILE oder --password-fd N an</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>file descriptor %1</source>
        <translation>Dateideskriptor %1</translation>
    </message>
    <message>
        <source>%1: encrypted</source>
        <translation>%1: verschlüsselt</translation>
    </message>
    <message>
        <source>%1: decrypted</source>
        <translation>%1: entschlüsselt</translation>
    </message>
    <message>
        <source>%1: cancelled; the file is as it was</source>
        <translation>%1: abgebrochen; die Datei ist unverändert</translation>
    </message>
    <message>
        <source>%1: not encrypted</source>
        <translation>%1: wurde nicht verschlüsselt</translation>
    </message>
    <message>
        <source>%1: not decrypted</source>
        <translation>%1: wurde nicht entschlüsselt</translation>
    </message>
    <message>
        <source>--dates needs a value: iso or days</source>
        <translation>--dates braucht einen Wert: iso oder days</translation>
    </message>
    <message>
        <source>--secret-fd needs the number of an open file descriptor</source>
        <translation>--secret-fd braucht die Nummer eines offenen Dateideskriptors</translation>
    </message>
    <message>
        <source>--dates takes iso or days, not &apos;%1&apos;</source>
        <translation>--dates erwartet iso oder days, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--secret-fd takes the number of an open file descriptor, not &apos;%1&apos;</source>
        <translation>--secret-fd erwartet die Nummer eines offenen Dateideskriptors, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>script takes one file (or - for standard input)</source>
        <translation>script erwartet eine Datei (oder - für die Standardeingabe)</translation>
    </message>
    <message>
        <source>standard input carries the script: give the secrets another file descriptor</source>
        <translation>die Standardeingabe liefert das Skript: Geben Sie für die geheimen Argumente einen anderen Dateideskriptor an</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;</source>
        <translation>&apos;%1&apos; lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>libkorbit.so was not found beside this program or in its installation</source>
        <translation>libkorbit.so wurde weder neben diesem Programm noch in seiner Installation gefunden</translation>
    </message>
    <message>
        <source>help takes one name: a command, a method, an enumeration or a record</source>
        <translation>help erwartet einen Namen: einen Befehl, eine Methode, eine Aufzählung oder einen Datensatz</translation>
    </message>
    <message>
        <source>no command, method, class, enumeration or record is named &apos;%1&apos;</source>
        <translation>es gibt keinen Befehl, keine Methode, Klasse, Aufzählung und keinen Datensatz namens &apos;%1&apos;</translation>
    </message>
    <message>
        <source>methods takes only --json</source>
        <translation>methods erwartet nur --json</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 erwartet keine Argumente</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>%1 is a folder: only files can be encrypted.</source>
        <translation>%1 ist ein Ordner: Nur Dateien lassen sich verschlüsseln.</translation>
    </message>
    <message>
        <source>%1 is a folder: only files can be decrypted.</source>
        <translation>%1 ist ein Ordner: Nur Dateien lassen sich entschlüsseln.</translation>
    </message>
    <message>
        <source>%1: This file is too large to encrypt: 64 GB at most.</source>
        <translation>%1: Diese Datei ist zu groß zum Verschlüsseln: höchstens 64 GB.</translation>
    </message>
    <message>
        <source>%1 is a folder: give the name of a file to write.</source>
        <translation>%1 ist ein Ordner: Geben Sie den Namen der Datei an, die geschrieben werden soll.</translation>
    </message>
    <message>
        <source>%1 exists: give --force to replace it.</source>
        <translation>%1 existiert bereits: Geben Sie --force an, um sie zu ersetzen.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>%1: encrypted to %2</source>
        <translation>%1: verschlüsselt in %2</translation>
    </message>
    <message>
        <source>%1: decrypted to %2</source>
        <translation>%1: entschlüsselt in %2</translation>
    </message>
    <message>
        <source>%1: cancelled; %2 was not written</source>
        <translation>%1: abgebrochen; %2 wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>%1: cancelled; standard output is incomplete</source>
        <translation>%1: abgebrochen; die Standardausgabe ist unvollständig</translation>
    </message>
</context>
<context>
    <name>korbit::help</name>
    <message>
        <source>read the method&apos;s argument NAME as one line from standard input (or from --secret-fd) instead of the command line, where every process list shows it; it is never printed back. The ARGUMENTs fill the other arguments in order. At a terminal it is asked for and not shown as it is typed. May be repeated.</source>
        <translation>liest das Argument NAME der Methode als eine Zeile von der Standardeingabe (oder von --secret-fd) statt von der Befehlszeile, wo jede Prozessliste es zeigt; es wird nie wieder ausgegeben. Die ARGUMENT-Angaben füllen der Reihe nach die übrigen Argumente. Am Terminal wird danach gefragt, und die Eingabe wird nicht angezeigt. Kann wiederholt werden.</translation>
    </message>
    <message>
        <source>read what --secret reads from the open file descriptor N instead of standard input</source>
        <translation>liest, was --secret liest, vom offenen Dateideskriptor N statt von der Standardeingabe</translation>
    </message>
    <message>
        <source>how the dates of the output are written: iso as ISO 8601 local time without a zone, 2024-02-29T10:15:00, or days (the default) as the number of days since 30 December 1899</source>
        <translation>wie die Datumsangaben der Ausgabe geschrieben werden: iso als ISO-8601-Ortszeit ohne Zeitzone, 2024-02-29T10:15:00, oder days (die Voreinstellung) als Zahl der Tage seit dem 30. Dezember 1899</translation>
    </message>
    <message>
        <source>the answer every message box of the control gets. Without it, the person at the terminal is asked, and where there is nobody to ask every box gets the answer that changes nothing.</source>
        <translation>die Antwort, die jedes Meldungsfenster der Komponente erhält. Ohne diese Option wird die Person am Terminal gefragt, und wo niemand zu fragen ist, erhält jedes Fenster die Antwort, die nichts ändert.</translation>
    </message>
    <message>
        <source>write to OUT (one FILE only) and keep FILE; - writes standard output. OUT is written beside itself and renamed into place when complete: a failure or Ctrl-C leaves no OUT, and a link at OUT is replaced, not followed. An existing OUT is refused unless --force is given.</source>
        <translation>schreibt nach OUT (nur bei einer einzigen Datei FILE) und behält FILE; - schreibt auf die Standardausgabe. OUT wird neben sich selbst geschrieben und erst vollständig an seinen Platz umbenannt: Ein Fehler oder Strg+C hinterlässt kein OUT, und ein Link bei OUT wird ersetzt, nicht verfolgt. Ein vorhandenes OUT wird abgelehnt, außer mit --force.</translation>
    </message>
    <message>
        <source>with -o, replace an OUT that exists</source>
        <translation>ersetzt mit -o ein vorhandenes OUT</translation>
    </message>
    <message>
        <source>read the password from the first line of standard input (not with FILE -)</source>
        <translation>liest das Passwort aus der ersten Zeile der Standardeingabe (nicht mit FILE -)</translation>
    </message>
    <message>
        <source>read the password from the first line of FILE</source>
        <translation>liest das Passwort aus der ersten Zeile von FILE</translation>
    </message>
    <message>
        <source>read the password from the first line of the open file descriptor N</source>
        <translation>liest das Passwort aus der ersten Zeile des offenen Dateideskriptors N</translation>
    </message>
    <message>
        <source>encrypt and decrypt files with a password, and call the Korbit control library</source>
        <translation>Dateien mit einem Passwort ver- und entschlüsseln und die Korbit-Komponente aufrufen</translation>
    </message>
    <message>
        <source>korbit is the command-line host of the Korbit control library, the engine of the Corvane desktop program. It encrypts and decrypts files in place, in the same format as Corvane, and calls any of the library&apos;s methods by name, printing the result as JSON. &apos;korbit help METHOD&apos; tells what a method does.</source>
        <translation>korbit ist das Befehlszeilenprogramm zur Korbit-Komponente, dem Kern des Desktop-Programms Corvane. Es ver- und entschlüsselt Dateien an Ort und Stelle, im selben Format wie Corvane, und ruft jede Methode der Komponente beim Namen auf; das Ergebnis gibt es als JSON aus. &apos;korbit help METHOD&apos; sagt, was eine Methode tut.</translation>
    </message>
    <message>
        <source>encrypt files in place with a password</source>
        <translation>Dateien an Ort und Stelle mit einem Passwort verschlüsseln</translation>
    </message>
    <message>
        <source>The password (6 to 26 characters, case sensitive, the same rule as Corvane&apos;s) is asked twice at the terminal, with a warning when it would be guessed soon; a password too short or too long, or two that differ, is asked again, three tries in all. Each file keeps its name, folder, owner, group and extended attributes, and is read-only afterwards. Ctrl-C cancels, and a wrong password or any failure stops the run: the file being worked on stays exactly as it was, permissions included. A file that another program changes during the run is left as that program made it. An interrupted rewrite of a file with several names is completed by the next run on it, which says so. A file that cannot be encrypted (a folder, a device, a kernel interface file, one you may not change) is refused with the reason before the password is asked for.

With -o OUT the container is written to OUT and FILE is kept as it is. FILE - reads standard input and -o - (the default for FILE -) writes standard output; the container of standard input stores the extension &quot;.&quot; and no attributes, and a stream beyond the format&apos;s 64 GiB stops with an error.

  korbit encrypt -o report.pdf.xje report.pdf
  tar c photos | korbit encrypt -o photos.tar.xje -

Exit status: 0 every file done, 1 a file refused or failed, 2 usage error or no password source, 130 Ctrl-C.</source>
        <translation>Das Passwort (6 bis 26 Zeichen, mit Unterscheidung von Groß- und Kleinschreibung, dieselbe Regel wie bei Corvane) wird am Terminal zweimal abgefragt, mit einer Warnung, wenn es bald erraten wäre; ein zu kurzes oder zu langes Passwort oder zwei, die sich unterscheiden, werden erneut abgefragt, insgesamt drei Versuche. Jede Datei behält Namen, Ordner, Eigentümer, Gruppe und erweiterte Attribute und ist danach schreibgeschützt. Strg+C bricht ab, und ein falsches Passwort oder ein Fehler beendet den Durchlauf: Die gerade bearbeitete Datei bleibt genau so, wie sie war, einschließlich ihrer Rechte. Eine Datei, die ein anderes Programm während des Durchlaufs ändert, bleibt so, wie jenes Programm sie hinterlassen hat. Das unterbrochene Neuschreiben einer Datei mit mehreren Namen vollendet der nächste Durchlauf auf ihr und meldet es. Eine Datei, die sich nicht verschlüsseln lässt (ein Ordner, ein Gerät, eine Schnittstellendatei des Kernels, eine, die Sie nicht ändern dürfen), wird mit dem Grund abgelehnt, bevor nach dem Passwort gefragt wird.

Mit -o OUT wird die verschlüsselte Datei nach OUT geschrieben, und FILE bleibt, wie es ist. FILE - liest die Standardeingabe, und -o - (die Voreinstellung bei FILE -) schreibt auf die Standardausgabe; die verschlüsselte Datei aus der Standardeingabe speichert die Endung &quot;.&quot; und keine Attribute, und ein Datenstrom über die 64 GiB des Formats hinaus endet mit einem Fehler.

  korbit encrypt -o report.pdf.xje report.pdf
  tar c photos | korbit encrypt -o photos.tar.xje -

Beendigungsstatus: 0 jede Datei erledigt, 1 eine Datei abgelehnt oder fehlgeschlagen, 2 Aufruffehler oder keine Passwortquelle, 130 Strg+C.</translation>
    </message>
    <message>
        <source>no progress line and no line per finished file</source>
        <translation>keine Fortschrittszeile und keine Zeile je fertiger Datei</translation>
    </message>
    <message>
        <source>decrypt files in place</source>
        <translation>Dateien an Ort und Stelle entschlüsseln</translation>
    </message>
    <message>
        <source>The password (6 characters or more) is asked once; at the terminal a shorter one is asked again, three tries in all. A wrong password is refused before anything is written. Decryption gives back the file&apos;s content and its read-only state: a file that was writable gets write permission back for those who may read it, within the umask. Ctrl-C cancels and leaves the file as it was.

With -o OUT the plain file is written to OUT and the container is kept; FILE - reads standard input and -o - writes standard output.

  korbit decrypt -o - photos.tar.xje | tar x

Exit status: 0 every file done, 1 a wrong password or a file refused or failed, 2 usage error or no password source, 130 Ctrl-C.</source>
        <translation>Das Passwort (6 Zeichen oder mehr) wird einmal abgefragt; am Terminal wird ein kürzeres erneut abgefragt, insgesamt drei Versuche. Ein falsches Passwort wird abgelehnt, bevor irgendetwas geschrieben wird. Das Entschlüsseln stellt den Inhalt der Datei und ihren ursprünglichen Schreibschutz wieder her: Eine Datei, die beschreibbar war, erhält das Schreibrecht für alle zurück, die sie lesen dürfen, soweit die umask es zulässt. Strg+C bricht ab und lässt die Datei, wie sie war.

Mit -o OUT wird die entschlüsselte Datei nach OUT geschrieben, und die verschlüsselte bleibt erhalten; FILE - liest die Standardeingabe, und -o - schreibt auf die Standardausgabe.

  korbit decrypt -o - photos.tar.xje | tar x

Beendigungsstatus: 0 jede Datei erledigt, 1 ein falsches Passwort oder eine Datei abgelehnt oder fehlgeschlagen, 2 Aufruffehler oder keine Passwortquelle, 130 Strg+C.</translation>
    </message>
    <message>
        <source>list every method of the control and of its two classes</source>
        <translation>jede Methode der Komponente und ihrer zwei Klassen auflisten</translation>
    </message>
    <message>
        <source>One line per member: its dispatch identifier, its name, its arguments with their types and defaults, and its result, with what it does differently on Linux below it. &apos;korbit help METHOD&apos; tells all about one method.</source>
        <translation>Eine Zeile je Mitglied: seine Dispatch-Kennung, sein Name, seine Argumente mit Typen und Vorgabewerten und sein Ergebnis, darunter, was es unter Linux anders macht. &apos;korbit help METHOD&apos; sagt alles über eine Methode.</translation>
    </message>
    <message>
        <source>print the list as one JSON document instead, with each member&apos;s entry of the method reference (summary, the meaning of each argument, result, failures, what it does on Linux, traps) and every enumeration and record</source>
        <translation>gibt die Liste stattdessen als ein JSON-Dokument aus, mit dem Eintrag jedes Mitglieds aus der Methodenreferenz (Zusammenfassung, Bedeutung jedes Arguments, Ergebnis, Fehler, Verhalten unter Linux, Fallstricke) und jeder Aufzählung und jedem Datensatz</translation>
    </message>
    <message>
        <source>call one method late-bound and print the outcome as JSON</source>
        <translation>eine Methode spät gebunden aufrufen und das Ergebnis als JSON ausgeben</translation>
    </message>
    <message>
        <source>Each ARGUMENT is read as the method declares it. For a String it is the text as it stands (4111111111111111 stays those digits); a JSON string in double quotes gives its text with JSON&apos;s escapes. For a Date, an ISO 8601 date, 2024-02-29 or 2024-02-29T10:15:00, is local time; one with a zone (Z, +01:00) is converted to local time. For an enumeration, a member&apos;s name (Math_Decimal) or its value. Otherwise an ARGUMENT is JSON: a number, a string, true or false, null, an array, or an object for a record; a bare word that is not JSON is taken as text. An argument the method gives back may be left out at the end or given as null: it starts empty and comes back under &quot;byref&quot;.

The output is one JSON object: the result, the by-reference arguments as the method left them (&quot;byref&quot;), the message boxes it showed (&quot;boxes&quot;) and the failures it reported (&quot;failures&quot;, each with the method and a description), or an error with its code and description. A call that reported a failure exits with status 1. Method names are not case sensitive; &apos;korbit help METHOD&apos; tells what a method takes and gives.

  korbit call GetFileExt /home/me/report.txt
  korbit call ConvertHexDecBinary 255 Math_Decimal Math_Hexidecimal
  korbit call --dates iso GetFileTimes /etc/hostname
  korbit call --secret MyPassword EncryptionRoutine2 report.pdf &lt;password.txt
  korbit call --class SHA256 SHA256 abc</source>
        <translation>Jedes ARGUMENT wird so gelesen, wie die Methode es deklariert. Für einen String ist es der Text, wie er dasteht (4111111111111111 bleibt diese Ziffernfolge); ein JSON-String in doppelten Anführungszeichen ergibt seinen Text mit den Escape-Sequenzen von JSON. Für ein Date ist ein ISO-8601-Datum, 2024-02-29 oder 2024-02-29T10:15:00, Ortszeit; eines mit Zeitzone (Z, +01:00) wird in Ortszeit umgerechnet. Für eine Aufzählung der Name eines Mitglieds (Math_Decimal) oder sein Wert. Sonst ist ein ARGUMENT JSON: eine Zahl, ein String, true oder false, null, ein Array oder ein Objekt für einen Datensatz; ein bloßes Wort, das kein JSON ist, wird als Text genommen. Ein Argument, das die Methode zurückgibt, kann am Ende weggelassen oder als null angegeben werden: Es beginnt leer und kommt unter &quot;byref&quot; zurück.

Die Ausgabe ist ein JSON-Objekt: das Ergebnis, die als Referenz übergebenen Argumente, wie die Methode sie hinterlassen hat (&quot;byref&quot;), die Meldungsfenster, die sie gezeigt hat (&quot;boxes&quot;), und die Fehler, die sie gemeldet hat (&quot;failures&quot;, jeder mit der Methode und einer Beschreibung), oder eine Fehlermeldung mit Code und Beschreibung. Ein Aufruf, der einen Fehler gemeldet hat, endet mit Status 1. Bei Methodennamen zählt Groß- und Kleinschreibung nicht; &apos;korbit help METHOD&apos; sagt, was eine Methode erwartet und liefert.

  korbit call GetFileExt /home/me/report.txt
  korbit call ConvertHexDecBinary 255 Math_Decimal Math_Hexidecimal
  korbit call --dates iso GetFileTimes /etc/hostname
  korbit call --secret MyPassword EncryptionRoutine2 report.pdf &lt;password.txt
  korbit call --class SHA256 SHA256 abc</translation>
    </message>
    <message>
        <source>the class whose object is called (default: KorbitControl)</source>
        <translation>die Klasse, deren Objekt aufgerufen wird (Voreinstellung: KorbitControl)</translation>
    </message>
    <message>
        <source>set a property of the object before the call; may be repeated</source>
        <translation>setzt vor dem Aufruf eine Eigenschaft des Objekts; kann wiederholt werden</translation>
    </message>
    <message>
        <source>run one call per line, all on one control</source>
        <translation>einen Aufruf je Zeile ausführen, alle an derselben Komponente</translation>
    </message>
    <message>
        <source>Each line of FILE (or of standard input) is a call as for &apos;korbit call&apos;, its words quoted as in the shell, the options of the call (--class, --set, --secret) before the method; blank lines and lines starting with # are skipped. One JSON line is printed per call, with the failures its method reported. Since the calls share one object, the state a method keeps carries over to the next line. The exit status is 1 when a call failed or reported a failure, 2 when a line could not be read as a call.

A --secret is read from standard input when the script is a file, and from --secret-fd when standard input carries the script; each reads the next line.</source>
        <translation>Jede Zeile von FILE (oder der Standardeingabe) ist ein Aufruf wie bei &apos;korbit call&apos;, ihre Wörter wie in der Shell in Anführungszeichen, die Optionen des Aufrufs (--class, --set, --secret) vor der Methode; leere Zeilen und Zeilen, die mit # beginnen, werden übersprungen. Je Aufruf wird eine JSON-Zeile ausgegeben, mit den Fehlern, die seine Methode gemeldet hat. Da sich die Aufrufe ein Objekt teilen, geht der Zustand, den eine Methode behält, auf die nächste Zeile über. Der Beendigungsstatus ist 1, wenn ein Aufruf fehlgeschlagen ist oder einen Fehler gemeldet hat, und 2, wenn sich eine Zeile nicht als Aufruf lesen ließ.

Ein --secret wird von der Standardeingabe gelesen, wenn das Skript eine Datei ist, und von --secret-fd, wenn die Standardeingabe das Skript liefert; jedes liest die nächste Zeile.</translation>
    </message>
    <message>
        <source>record the control library in this user&apos;s registry</source>
        <translation>die Komponente in die Registrierung dieses Benutzers eintragen</translation>
    </message>
    <message>
        <source>Writes the library beside this program into $XDG_DATA_HOME/korbit/registry.ini, with the interface version it was built for, so that other hosts can create its objects. The installed programs do not need it; a host passes over a registered library of another interface version for the one installed with it, and likewise a registry or a library that someone other than you or root could have put in place, naming the file it refused.</source>
        <translation>Schreibt die Bibliothek neben diesem Programm in $XDG_DATA_HOME/korbit/registry.ini, mit der Schnittstellenversion, für die sie gebaut wurde, damit andere Host-Programme ihre Objekte erzeugen können. Die installierten Programme brauchen das nicht; ein Host-Programm übergeht eine eingetragene Bibliothek einer anderen Schnittstellenversion zugunsten der mit ihm installierten, ebenso eine Registrierung oder eine Bibliothek, die jemand anderes als Sie oder root dort abgelegt haben könnte, und nennt die abgelehnte Datei.</translation>
    </message>
    <message>
        <source>remove that record</source>
        <translation>diesen Eintrag entfernen</translation>
    </message>
    <message>
        <source>show the help of a command, or the reference of a method, enumeration or record</source>
        <translation>die Hilfe eines Befehls oder die Referenz einer Methode, einer Aufzählung oder eines Datensatzes zeigen</translation>
    </message>
    <message>
        <source>For a method of the control or of its two classes: what it does, each argument with its type, passing, default and meaning, whether the method gives it back, its result, its failures, what it does on Linux and what is easily got wrong. For an enumeration its members with their values, for a record its fields with their types. Names are not case sensitive. The whole reference is the manual page korbit-methods(7).

  korbit help GetFileTimes
  korbit help MathTypes</source>
        <translation>Für eine Methode der Komponente oder ihrer zwei Klassen: was sie tut, jedes Argument mit Typ, Übergabeart, Vorgabewert und Bedeutung, ob die Methode es zurückgibt, ihr Ergebnis, ihre Fehler, was sie unter Linux tut und was leicht falsch gemacht wird. Für eine Aufzählung ihre Mitglieder mit ihren Werten, für einen Datensatz seine Felder mit ihren Typen. Bei Namen zählt Groß- und Kleinschreibung nicht. Die ganze Referenz steht in der Handbuchseite korbit-methods(7).

  korbit help GetFileTimes
  korbit help MathTypes</translation>
    </message>
    <message>
        <source>show the help; after a command, that command&apos;s help</source>
        <translation>zeigt die Hilfe; nach einem Befehl die Hilfe dieses Befehls</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>zeigt die Version</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <extracomment>A heading, in capitals like every heading of the manual page; --help shows it with only its first letter capital.</extracomment>
        <translation>BEENDIGUNGSSTATUS</translation>
    </message>
    <message>
        <source>0 success, 1 failure (the call or a file failed, the method reported a failure, a wrong password), 2 usage error (also: no password source, when there is no terminal to ask at and none of --password-stdin, --password-file and --password-fd is given), 130 interrupted by Ctrl-C (143 by SIGTERM): the file as it was, no OUT written.</source>
        <translation>0 Erfolg, 1 Fehlschlag (der Aufruf oder eine Datei ist fehlgeschlagen, die Methode hat einen Fehler gemeldet, ein falsches Passwort), 2 Aufruffehler (auch: keine Passwortquelle, wenn kein Terminal zum Fragen da ist und keine der Optionen --password-stdin, --password-file und --password-fd angegeben ist), 130 durch Strg+C unterbrochen (143 durch SIGTERM): die Datei, wie sie war, kein OUT geschrieben.</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>zeigt diesen Text</translation>
    </message>
    <message>
        <source>&apos;%1 COMMAND --help&apos; shows the options of a command.</source>
        <translation>&apos;%1 COMMAND --help&apos; zeigt die Optionen eines Befehls.</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>The heading of a section of --help, such as &quot;Exit status:&quot;; %1 is the section&apos;s title.</extracomment>
        <translation>%1:</translation>
    </message>
</context>
</TS>
