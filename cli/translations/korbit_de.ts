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
</TS>
