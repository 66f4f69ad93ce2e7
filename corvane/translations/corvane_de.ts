<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>corvane::AppFolders</name>
    <message>
        <source>The application-data folder cannot be found or made: settings will not be kept.</source>
        <translation>Der Ordner für Anwendungsdaten lässt sich weder finden noch anlegen: Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be made: settings will not be kept.</source>
        <translation>Die Einstellungsdatei %1 lässt sich nicht anlegen: Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The help page %1 cannot be written.</source>
        <translation>Die Hilfeseite %1 lässt sich nicht schreiben.</translation>
    </message>
</context>
<context>
    <name>corvane::ConfirmPasswordDialog</name>
    <message>
        <source>Type the password again. Without it the file cannot be restored.</source>
        <translation>Geben Sie das Passwort noch einmal ein. Ohne das Passwort lässt sich die Datei nicht wiederherstellen.</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Passwort wiederholen</translation>
    </message>
    <message>
        <source>The passwords do not match. Type it again, or press Escape to change the first one.</source>
        <translation>Die Passwörter stimmen nicht überein. Geben Sie das Passwort noch einmal ein, oder drücken Sie Esc, um das erste zu ändern.</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Verschlüsseln</translation>
    </message>
</context>
<context>
    <name>corvane::FileSelection</name>
    <message numerus="yes">
        <source>%n files: %1</source>
        <translation>
            <numerusform>%n Datei: %1</numerusform>
            <numerusform>%n Dateien: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Encrypt %1, decrypt %2</source>
        <translation>%1 verschlüsseln, %2 entschlüsseln</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Entschlüsseln</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Verschlüsseln</translation>
    </message>
    <message>
        <source>Decrypt 1 file</source>
        <translation>1 Datei entschlüsseln</translation>
    </message>
    <message numerus="yes">
        <source>Decrypt %n files</source>
        <translation>
            <numerusform>%n Datei entschlüsseln</numerusform>
            <numerusform>%n Dateien entschlüsseln</numerusform>
        </translation>
    </message>
    <message>
        <source>Encrypt 1 file</source>
        <translation>1 Datei verschlüsseln</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt %n files</source>
        <translation>
            <numerusform>%n Datei verschlüsseln</numerusform>
            <numerusform>%n Dateien verschlüsseln</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>corvane::InformationForm</name>
    <message>
        <source>%1 %2
Password file encryption
%3</source>
        <translation>%1 %2
Dateiverschlüsselung mit Passwort
%3</translation>
    </message>
</context>
<context>
    <name>corvane::LoadingForm</name>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Loading.</source>
        <translation>Wird geladen.</translation>
    </message>
    <message>
        <source>Loading..</source>
        <translation>Wird geladen..</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Wird geladen....</translation>
    </message>
    <message>
        <source>Corvane could not put its folders and files in place:

</source>
        <translation>Corvane konnte seine Ordner und Dateien nicht anlegen:

</translation>
    </message>
</context>
<context>
    <name>corvane::MainWindow</name>
    <message>
        <source>Ardentis, password file encryption</source>
        <translation>Ardentis, Dateiverschlüsselung mit Passwort</translation>
    </message>
    <message>
        <source>File to encrypt or decrypt</source>
        <translation>Zu ver- oder entschlüsselnde Datei</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <source>SHA-256 Bit Encryption U.S. Patent 6,829,355 </source>
        <translation>SHA-256-Bit-Verschlüsselung, US-Patent 6,829,355 </translation>
    </message>
    <message>
        <source>WARNING!!! DO NOT lose your password. The technology to restore your file without the password DOES NOT EXIST.</source>
        <translation>ACHTUNG!!! Verlieren Sie Ihr Passwort NICHT. Eine Technik, die Ihre Datei ohne das Passwort wiederherstellt, GIBT ES NICHT.</translation>
    </message>
    <message>
        <source>Click to See</source>
        <translation>Zum Anzeigen klicken</translation>
    </message>
    <message>
        <source>Velmora Software web site</source>
        <translation>Website von Velmora Software</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Hide password</source>
        <translation>Passwort ausblenden</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Passwort anzeigen</translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>Das Passwort ausblenden</translation>
    </message>
    <message>
        <source>Show the password as typed</source>
        <translation>Das Passwort so anzeigen, wie es eingegeben wurde</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Vorschlagen</translation>
    </message>
    <message>
        <source>Suggest a password</source>
        <translation>Ein Passwort vorschlagen</translation>
    </message>
    <message>
        <source>Fills in a random password that one graphics card would need more than a billion years to guess. Write it down: without it the file cannot be restored.</source>
        <translation>Setzt ein zufälliges Passwort ein, für dessen Erraten eine Grafikkarte mehr als eine Milliarde Jahre bräuchte. Schreiben Sie es auf: Ohne das Passwort lässt sich die Datei nicht wiederherstellen.</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Verschlüsseln</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Not taken: a password has at most 26 characters.</source>
        <translation>Nicht übernommen: Ein Passwort hat höchstens 26 Zeichen.</translation>
    </message>
    <message>
        <source>26 characters: the most a password can have.</source>
        <translation>26 Zeichen: Mehr kann ein Passwort nicht haben.</translation>
    </message>
    <message>
        <source>Passwords must be 6 or more characters!</source>
        <translation>Passwörter müssen mindestens 6 Zeichen haben!</translation>
    </message>
    <message>
        <source>Passwords are case sensitive and must be 6 or more characters!</source>
        <translation>Bei Passwörtern zählt Groß- und Kleinschreibung, und sie müssen mindestens 6 Zeichen haben!</translation>
    </message>
    <message>
        <source>Password Entry</source>
        <translation>Passworteingabe</translation>
    </message>
    <message>
        <source>Busy: “%1” was not selected. Choose it again when this is done.</source>
        <translation>Beschäftigt: „%1“ wurde nicht ausgewählt. Wählen Sie die Datei erneut, sobald dies erledigt ist.</translation>
    </message>
    <message numerus="yes">
        <source>Busy: %n files were not selected. Choose them again when this is done.</source>
        <translation>
            <numerusform>Beschäftigt: %n Datei wurde nicht ausgewählt. Wählen Sie sie erneut, sobald dies erledigt ist.</numerusform>
            <numerusform>Beschäftigt: %n Dateien wurden nicht ausgewählt. Wählen Sie sie erneut, sobald dies erledigt ist.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no file at “%1”.</source>
        <translation>Unter „%1“ gibt es keine Datei.</translation>
    </message>
    <message>
        <source>Decrypting %1 of %2: %3</source>
        <translation>Datei %1 von %2 wird entschlüsselt: %3</translation>
    </message>
    <message>
        <source>Encrypting %1 of %2: %3</source>
        <translation>Datei %1 von %2 wird verschlüsselt: %3</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
</context>
<context>
    <name>corvane::PasswordMeter</name>
    <message>
        <source>Password strength</source>
        <translation>Passwortstärke</translation>
    </message>
    <message>
        <source>How long one graphics card, trying 10 billion passwords a second, would need to reach this one when it tries dictionary words, names, dates and keyboard patterns first.</source>
        <translation>Wie lange eine Grafikkarte, die 10 Milliarden Passwörter pro Sekunde probiert, bis zu diesem Passwort bräuchte, wenn sie zuerst Wörter aus Wörterbüchern, Namen, Datumsangaben und Tastaturmuster probiert.</translation>
    </message>
    <message>
        <source>less than a second</source>
        <translation>weniger als eine Sekunde</translation>
    </message>
    <message>
        <source>about 1 second</source>
        <translation>etwa 1 Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>about %n seconds</source>
        <translation>
            <numerusform>etwa %n Sekunde</numerusform>
            <numerusform>etwa %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>about 1 minute</source>
        <translation>etwa 1 Minute</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <translation>
            <numerusform>etwa %n Minute</numerusform>
            <numerusform>etwa %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>about 1 hour</source>
        <translation>etwa 1 Stunde</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <translation>
            <numerusform>etwa %n Stunde</numerusform>
            <numerusform>etwa %n Stunden</numerusform>
        </translation>
    </message>
    <message>
        <source>about 1 day</source>
        <translation>etwa 1 Tag</translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <translation>
            <numerusform>etwa %n Tag</numerusform>
            <numerusform>etwa %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>about 1 year</source>
        <translation>etwa 1 Jahr</translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <translation>
            <numerusform>etwa %n Jahr</numerusform>
            <numerusform>etwa %n Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>thousands of years</source>
        <translation>Tausende von Jahren</translation>
    </message>
    <message>
        <source>millions of years</source>
        <translation>Millionen von Jahren</translation>
    </message>
    <message>
        <source>more than a billion years</source>
        <translation>mehr als eine Milliarde Jahre</translation>
    </message>
    <message>
        <source>é is fine; letters from other scripts do not all count.</source>
        <translation>é ist in Ordnung; Buchstaben aus anderen Schriften zählen nicht alle.</translation>
    </message>
    <message>
        <source>Only the lowest 8 bits of each character enter the key: ф counts the same as D, so a password of such letters is much easier to guess than it looks.</source>
        <translation>Nur die untersten 8 Bit jedes Zeichens gehen in den Schlüssel ein: ф zählt wie D, daher ist ein Passwort aus solchen Buchstaben viel leichter zu erraten, als es aussieht.</translation>
    </message>
    <message>
        <source>Too short: a password has at least 6 characters.</source>
        <translation>Zu kurz: Ein Passwort hat mindestens 6 Zeichen.</translation>
    </message>
    <message>
        <source>Weak: one graphics card could guess it in %1.</source>
        <translation>Schwach: Zum Erraten bräuchte eine Grafikkarte %1.</translation>
    </message>
    <message>
        <source>Fair: one graphics card could guess it in %1.</source>
        <translation>Mittel: Zum Erraten bräuchte eine Grafikkarte %1.</translation>
    </message>
    <message>
        <source>Strong: one graphics card would need %1 to guess it.</source>
        <translation>Stark: Zum Erraten bräuchte eine Grafikkarte %1.</translation>
    </message>
</context>
<context>
    <name>corvane::Pictures</name>
    <message>
        <source>Password file encryption</source>
        <translation>Dateiverschlüsselung mit Passwort</translation>
    </message>
    <message>
        <source>One file, one password, in place.</source>
        <translation>Eine Datei, ein Passwort, an Ort und Stelle.</translation>
    </message>
</context>
<context>
    <name>corvane::QtHost</name>
    <message>
        <source>The Korbit control could not complete %1: %2</source>
        <translation>Die Korbit-Komponente konnte %1 nicht abschließen: %2</translation>
    </message>
</context>
<context>
    <name>corvane::RunReport</name>
    <message>
        <source>%1 is encrypted.</source>
        <translation>%1 ist verschlüsselt.</translation>
    </message>
    <message>
        <source>%1 is decrypted.</source>
        <translation>%1 ist entschlüsselt.</translation>
    </message>
    <message>
        <source>Cancelled: %1 is as it was.</source>
        <translation>Abgebrochen: %1 ist unverändert.</translation>
    </message>
    <message>
        <source>Wrong password: nothing was changed.</source>
        <translation>Falsches Passwort: Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>%1 was not encrypted.</source>
        <translation>%1 wurde nicht verschlüsselt.</translation>
    </message>
    <message>
        <source>%1 was not decrypted.</source>
        <translation>%1 wurde nicht entschlüsselt.</translation>
    </message>
    <message>
        <source>%1 was not encrypted: %2</source>
        <translation>%1 wurde nicht verschlüsselt: %2</translation>
    </message>
    <message>
        <source>%1 was not decrypted: %2</source>
        <translation>%1 wurde nicht entschlüsselt: %2</translation>
    </message>
    <message numerus="yes">
        <source>All %n files are encrypted.</source>
        <translation>
            <numerusform>%n Datei ist verschlüsselt.</numerusform>
            <numerusform>Alle %n Dateien sind verschlüsselt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n files are decrypted.</source>
        <translation>
            <numerusform>%n Datei ist entschlüsselt.</numerusform>
            <numerusform>Alle %n Dateien sind entschlüsselt.</numerusform>
        </translation>
    </message>
    <message>
        <source>All %1 files are done: %2 encrypted, %3 decrypted.</source>
        <translation>Alle %1 Dateien sind fertig: %2 verschlüsselt, %3 entschlüsselt.</translation>
    </message>
    <message>
        <source>Done: %1 of %2 files.</source>
        <translation>Fertig: %1 von %2 Dateien.</translation>
    </message>
    <message>
        <source>%1: cancelled; it is as it was.</source>
        <translation>%1: abgebrochen; die Datei ist unverändert.</translation>
    </message>
    <message>
        <source>%1: wrong password; nothing was changed.</source>
        <translation>%1: falsches Passwort; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>%1: not started, since the run was cancelled.</source>
        <translation>%1: nicht begonnen, da der Vorgang abgebrochen wurde.</translation>
    </message>
    <message>
        <source>%1: not encrypted.</source>
        <translation>%1: nicht verschlüsselt.</translation>
    </message>
    <message>
        <source>%1: not decrypted.</source>
        <translation>%1: nicht entschlüsselt.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>corvane::RuntimeFolder</name>
    <message>
        <source>%1 has a name that is no UTF-8</source>
        <translation>%1 hat einen Namen, der kein UTF-8 ist</translation>
    </message>
</context>
<context>
    <name>corvane::main</name>
    <message>
        <source>The program cannot start:
%1</source>
        <translation>Das Programm kann nicht starten:
%1</translation>
    </message>
    <message>
        <source>the running copy is busy; %1 was not selected</source>
        <translation>die laufende Instanz ist beschäftigt; %1 wurde nicht ausgewählt</translation>
    </message>
    <message>
        <source>the running copy is busy; %1 were not selected</source>
        <translation>die laufende Instanz ist beschäftigt; %1 wurden nicht ausgewählt</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>none of %1 is a file</source>
        <translation>keiner der Namen %1 ist eine Datei</translation>
    </message>
    <message>
        <source>the running copy did not answer; %1 was not selected</source>
        <translation>die laufende Instanz hat nicht geantwortet; %1 wurde nicht ausgewählt</translation>
    </message>
    <message>
        <source>the running copy did not answer; %1 were not selected</source>
        <translation>die laufende Instanz hat nicht geantwortet; %1 wurden nicht ausgewählt</translation>
    </message>
    <message>
        <source>%1; this copy runs on its own and takes no files from later copies</source>
        <translation>%1; diese Instanz läuft für sich und nimmt keine Dateien von später gestarteten an</translation>
    </message>
</context>
<context>
    <name>korbit::control</name>
    <message>
        <source>Invalid Password!!!</source>
        <translation>Ungültiges Passwort!!!</translation>
    </message>
</context>
</TS>
