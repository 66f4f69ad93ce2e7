<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>HelpPage</name>
    <message>
        <source>Ardentis Help</source>
        <comment>top</comment>
        <translation>Ardentis-Hilfe</translation>
    </message>
    <message>
        <source>&lt;a href="#what"&gt;What Ardentis does&lt;/a&gt; &amp;middot; &lt;a href="#how"&gt;Encrypting and decrypting&lt;/a&gt; &amp;middot; &lt;a href="#several"&gt;Several files at once&lt;/a&gt; &amp;middot; &lt;a href="#afterwards"&gt;What is true after a run&lt;/a&gt; &amp;middot; &lt;a href="#password"&gt;Your password&lt;/a&gt; &amp;middot; &lt;a href="#confirm"&gt;Typing it twice, and how strong it is&lt;/a&gt; &amp;middot; &lt;a href="#keyboard"&gt;Keyboard, screen readers and more files&lt;/a&gt; &amp;middot; &lt;a href="#format"&gt;Inside an encrypted file&lt;/a&gt; &amp;middot; &lt;a href="#limits"&gt;What the format does not protect&lt;/a&gt; &amp;middot; &lt;a href="#sounds"&gt;Sounds&lt;/a&gt; &amp;middot; &lt;a href="#info"&gt;The information window&lt;/a&gt; &amp;middot; &lt;a href="#settings"&gt;Settings&lt;/a&gt; &amp;middot; &lt;a href="#korbit"&gt;The command line&lt;/a&gt;</source>
        <translation>&lt;a href="#what"&gt;Was Ardentis tut&lt;/a&gt; &amp;middot; &lt;a href="#how"&gt;Verschlüsseln und entschlüsseln&lt;/a&gt; &amp;middot; &lt;a href="#several"&gt;Mehrere Dateien auf einmal&lt;/a&gt; &amp;middot; &lt;a href="#afterwards"&gt;Was nach einem Durchlauf gilt&lt;/a&gt; &amp;middot; &lt;a href="#password"&gt;Ihr Passwort&lt;/a&gt; &amp;middot; &lt;a href="#confirm"&gt;Zweimal eingeben, und wie stark es ist&lt;/a&gt; &amp;middot; &lt;a href="#keyboard"&gt;Tastatur, Bildschirmleser und weitere Dateien&lt;/a&gt; &amp;middot; &lt;a href="#format"&gt;Das Innere einer verschlüsselten Datei&lt;/a&gt; &amp;middot; &lt;a href="#limits"&gt;Wovor das Format nicht schützt&lt;/a&gt; &amp;middot; &lt;a href="#sounds"&gt;Töne&lt;/a&gt; &amp;middot; &lt;a href="#info"&gt;Das Informationsfenster&lt;/a&gt; &amp;middot; &lt;a href="#settings"&gt;Einstellungen&lt;/a&gt; &amp;middot; &lt;a href="#korbit"&gt;Die Befehlszeile&lt;/a&gt;</translation>
    </message>
    <message>
        <source>What Ardentis does</source>
        <translation>Was Ardentis tut</translation>
    </message>
    <message>
        <source>Ardentis protects files with a password, one or several at a time. A file is encrypted &lt;em&gt;in place&lt;/em&gt;: it keeps its name and stays in its folder, but its content can only be read again after it is decrypted with the same password.</source>
        <translation>Ardentis schützt Dateien mit einem Passwort, eine oder mehrere auf einmal. Eine Datei wird &lt;em&gt;an Ort und Stelle&lt;/em&gt; verschlüsselt: Sie behält ihren Namen und bleibt in ihrem Ordner, aber ihr Inhalt lässt sich erst wieder lesen, nachdem sie mit demselben Passwort entschlüsselt wurde.</translation>
    </message>
    <message>
        <source>After encryption the file is marked &lt;strong&gt;read-only&lt;/strong&gt;, so that it is not changed by accident.</source>
        <translation>Nach dem Verschlüsseln ist die Datei &lt;strong&gt;schreibgeschützt&lt;/strong&gt;, damit sie nicht versehentlich geändert wird.</translation>
    </message>
    <message>
        <source>Decryption restores the original content and the file's original read-only state (a file that was writable before becomes writable again).</source>
        <translation>Das Entschlüsseln stellt den ursprünglichen Inhalt und den ursprünglichen Schreibschutz der Datei wieder her (eine Datei, die vorher beschreibbar war, wird wieder beschreibbar).</translation>
    </message>
    <message>
        <source>Ardentis tells by itself whether a file is plain or encrypted, so the same window does both jobs.</source>
        <translation>Ardentis erkennt selbst, ob eine Datei unverschlüsselt oder verschlüsselt ist; so erledigt dasselbe Fenster beide Aufgaben.</translation>
    </message>
    <message>
        <source>Encrypting and decrypting</source>
        <translation>Verschlüsseln und entschlüsseln</translation>
    </message>
    <message>
        <source>Press &lt;strong&gt;Select File&lt;/strong&gt; and choose the file. You can also drop a file from your file manager onto the window: that selects it too. The next time, the dialog opens in the folder of the file you chose last.</source>
        <translation>Klicken Sie auf &lt;strong&gt;Datei wählen&lt;/strong&gt; und suchen Sie die Datei aus. Sie können eine Datei auch aus Ihrer Dateiverwaltung auf das Fenster ziehen: Damit ist sie ebenfalls ausgewählt. Beim nächsten Mal öffnet sich der Dialog im Ordner der zuletzt gewählten Datei.</translation>
    </message>
    <message>
        <source>Look at the big button. It reads &lt;strong&gt;Encrypt&lt;/strong&gt; when the file is a plain file and &lt;strong&gt;Decrypt&lt;/strong&gt; when the file is already encrypted. It can be pressed only while the file box names a file that can be worked on.</source>
        <translation>Sehen Sie sich die große Schaltfläche an. Sie zeigt &lt;strong&gt;Verschlüsseln&lt;/strong&gt;, wenn die Datei unverschlüsselt ist, und &lt;strong&gt;Entschlüsseln&lt;/strong&gt;, wenn die Datei bereits verschlüsselt ist. Sie lässt sich nur drücken, solange das Dateifeld eine Datei nennt, die bearbeitet werden kann.</translation>
    </message>
    <message>
        <source>Type the password, or press &lt;strong&gt;Suggest&lt;/strong&gt; for one (see &lt;a href="#password"&gt;Your password&lt;/a&gt;).</source>
        <translation>Geben Sie das Passwort ein, oder drücken Sie &lt;strong&gt;Vorschlagen&lt;/strong&gt;, um eines zu erhalten (siehe &lt;a href="#password"&gt;Ihr Passwort&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>Press the button, or press &lt;kbd&gt;Enter&lt;/kbd&gt; in the password box.</source>
        <translation>Klicken Sie auf die Schaltfläche, oder drücken Sie im Passwortfeld die &lt;kbd&gt;Eingabetaste&lt;/kbd&gt;.</translation>
    </message>
    <message>
        <source>While the file is processed, a progress bar and a percentage show how far the work has come. Large files take a while.</source>
        <translation>Während die Datei bearbeitet wird, zeigen ein Fortschrittsbalken und eine Prozentzahl, wie weit die Arbeit ist. Große Dateien brauchen eine Weile.</translation>
    </message>
    <message>
        <source>When the run ends, the line under the bar says what happened: &amp;ldquo;report.pdf is encrypted.&amp;rdquo;, &amp;ldquo;report.pdf is decrypted.&amp;rdquo;, &amp;ldquo;Cancelled: report.pdf is as it was.&amp;rdquo;, &amp;ldquo;Wrong password: nothing was changed.&amp;rdquo;, or why the file could not be changed. If you turned to another window in the meantime, the desktop also shows a notification; its &lt;strong&gt;Show in folder&lt;/strong&gt; button opens the file's folder with the file selected. The bar and the percentage keep the last value they showed during the run, which for a small file may be well below 100%: the line under them is what tells.</source>
        <translation>Wenn der Durchlauf endet, sagt die Zeile unter dem Balken, was geschehen ist: &amp;bdquo;report.pdf ist verschlüsselt.&amp;ldquo;, &amp;bdquo;report.pdf ist entschlüsselt.&amp;ldquo;, &amp;bdquo;Abgebrochen: report.pdf ist unverändert.&amp;ldquo;, &amp;bdquo;Falsches Passwort: Nichts wurde geändert.&amp;ldquo; oder warum die Datei nicht geändert werden konnte. Wenn Sie inzwischen zu einem anderen Fenster gewechselt haben, zeigt der Desktop außerdem eine Benachrichtigung; deren Schaltfläche &lt;strong&gt;Im Ordner anzeigen&lt;/strong&gt; öffnet den Ordner der Datei und markiert die Datei darin. Balken und Prozentzahl behalten den letzten Wert, den sie während des Durchlaufs gezeigt haben, und der kann bei einer kleinen Datei weit unter 100&amp;nbsp;% liegen: Was geschehen ist, sagt die Zeile darunter.</translation>
    </message>
    <message>
        <source>After a wrong password, Cancel or a failure, the file box and the password box are emptied: choose the file again to try once more.</source>
        <translation>Nach einem falschen Passwort, nach Abbrechen oder einem Fehler werden Dateifeld und Passwortfeld geleert: Wählen Sie die Datei erneut, um es noch einmal zu versuchen.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Cancel&lt;/strong&gt; stops the work at any time and leaves the file exactly as it was. Ardentis writes the result into a new file beside the original and only replaces the original when everything has been written, so an interrupted run never leaves a half-encrypted file behind.</source>
        <translation>&lt;strong&gt;Abbrechen&lt;/strong&gt; beendet die Arbeit jederzeit und lässt die Datei genau so, wie sie war. Ardentis schreibt das Ergebnis in eine neue Datei neben dem Original und ersetzt das Original erst, wenn alles geschrieben ist; ein unterbrochener Durchlauf hinterlässt also nie eine halb verschlüsselte Datei.</translation>
    </message>
    <message>
        <source>Several files at once</source>
        <translation>Mehrere Dateien auf einmal</translation>
    </message>
    <message>
        <source>Choose several files in the Select File dialog (hold &lt;kbd&gt;Ctrl&lt;/kbd&gt; or &lt;kbd&gt;Shift&lt;/kbd&gt;), drop several onto the window, or open several with Ardentis from your file manager. The file box then reads, for example, &amp;ldquo;3 files: a.txt, b.pdf, c.odt&amp;rdquo; (rest the mouse on it to see every path), and the button says what will happen: &amp;ldquo;Encrypt 3 files&amp;rdquo;, &amp;ldquo;Decrypt 3 files&amp;rdquo;, or &amp;ldquo;Encrypt 2, decrypt 1&amp;rdquo; when some are plain and some encrypted.</source>
        <translation>Markieren Sie in dem Dialog, den Datei wählen öffnet, mehrere Dateien (mit gedrückter &lt;kbd&gt;Strg&lt;/kbd&gt;- oder &lt;kbd&gt;Umschalt&lt;/kbd&gt;-Taste), ziehen Sie mehrere auf das Fenster, oder öffnen Sie mehrere aus Ihrer Dateiverwaltung mit Ardentis. Das Dateifeld zeigt dann zum Beispiel &amp;bdquo;3 Dateien: a.txt, b.pdf, c.odt&amp;ldquo; (halten Sie die Maus darüber, um jeden Pfad zu sehen), und die Schaltfläche sagt, was geschehen wird: &amp;bdquo;3 Dateien verschlüsseln&amp;ldquo;, &amp;bdquo;3 Dateien entschlüsseln&amp;ldquo; oder &amp;bdquo;2 verschlüsseln, 1 entschlüsseln&amp;ldquo;, wenn einige unverschlüsselt und einige verschlüsselt sind.</translation>
    </message>
    <message>
        <source>One password is used for all of them. It is asked twice when anything is to be encrypted.</source>
        <translation>Für alle wird ein einziges Passwort verwendet. Es wird zweimal abgefragt, wenn etwas verschlüsselt werden soll.</translation>
    </message>
    <message>
        <source>The files are worked on one after the other; the bar shows the whole run.</source>
        <translation>Die Dateien werden nacheinander bearbeitet; der Balken zeigt den ganzen Durchlauf.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Cancel&lt;/strong&gt; stops the file being worked on, which is left exactly as it was, and starts no other. Files finished before stay finished.</source>
        <translation>&lt;strong&gt;Abbrechen&lt;/strong&gt; beendet die Arbeit an der gerade bearbeiteten Datei, die genau so bleibt, wie sie war, und beginnt keine weitere. Bereits fertige Dateien bleiben fertig.</translation>
    </message>
    <message>
        <source>A file that cannot be changed at all (see below) is skipped; the note under the warning names it as soon as you choose it.</source>
        <translation>Eine Datei, die sich überhaupt nicht ändern lässt (siehe unten), wird übersprungen; die Notiz unter der Warnung nennt sie, sobald Sie sie wählen.</translation>
    </message>
    <message>
        <source>No message stops the run halfway. At the end, the line under the bar (and the notification, if you are in another window) says how many files are done and names each one that is not, with the reason: a wrong password, Cancel, a file that could not be changed.</source>
        <translation>Keine Meldung hält den Durchlauf auf halbem Weg an. Am Ende sagt die Zeile unter dem Balken (und die Benachrichtigung, wenn Sie in einem anderen Fenster sind), wie viele Dateien fertig sind, und nennt jede, bei der es nicht geklappt hat, mit dem Grund: ein falsches Passwort, Abbrechen, eine Datei, die nicht geändert werden konnte.</translation>
    </message>
    <message>
        <source>What is true after a run</source>
        <translation>Was nach einem Durchlauf gilt</translation>
    </message>
    <message>
        <source>&lt;strong&gt;After a successful run&lt;/strong&gt; the file holds the whole new content under the same name, in the same folder, with the same owner, group, extended attributes and access control lists. Encryption takes write permission away from everyone (the file becomes read-only). Decryption gives write permission back to everyone who may read the file, as far as your default permissions (your umask) allow, unless the file was read-only before it was encrypted. The set-user-ID, set-group-ID and sticky bits are never kept: a program that was encrypted has to be given them again by hand.</source>
        <translation>&lt;strong&gt;Nach einem erfolgreichen Durchlauf&lt;/strong&gt; enthält die Datei den ganzen neuen Inhalt unter demselben Namen, im selben Ordner, mit demselben Eigentümer, derselben Gruppe, denselben erweiterten Attributen und Zugriffskontrolllisten. Das Verschlüsseln nimmt allen das Schreibrecht (die Datei wird schreibgeschützt). Das Entschlüsseln gibt allen, die die Datei lesen dürfen, das Schreibrecht zurück, soweit Ihre Standardrechte (Ihre umask) es zulassen, es sei denn, die Datei war schon vor dem Verschlüsseln schreibgeschützt. Die Bits set-user-ID, set-group-ID und sticky bleiben nie erhalten: Einem Programm, das verschlüsselt war, müssen sie von Hand neu gegeben werden.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;After a wrong password, Cancel or any failure&lt;/strong&gt; the file is exactly as it was, content and permissions, and no temporary file is left behind.</source>
        <translation>&lt;strong&gt;Nach einem falschen Passwort, nach Abbrechen oder einem Fehler&lt;/strong&gt; ist die Datei genau so, wie sie war, mit Inhalt und Rechten, und es bleibt keine temporäre Datei zurück.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;A file with several names&lt;/strong&gt; (hard links), one in a folder you cannot write, or one whose owner or attributes a new file cannot be given, is rewritten in place: the complete result is written to a temporary file, a record of the run is kept in your own folder &lt;code&gt;~/.local/state/korbit/rewrites&lt;/code&gt;, and only then is the result copied into the file. If that copy is interrupted (the disk is full, the computer stops), the complete result is kept beside the file, or in your settings folder, under a name that starts with a dot and contains &lt;code&gt;korbit-complete&lt;/code&gt;. The next time you encrypt or decrypt the file, Ardentis finishes the interrupted copy, tells you so, and does nothing else. Do not delete that file by hand.</source>
        <translation>&lt;strong&gt;Eine Datei mit mehreren Namen&lt;/strong&gt; (harten Links), eine in einem Ordner, in den Sie nicht schreiben dürfen, oder eine, deren Eigentümer oder Attribute eine neue Datei nicht erhalten kann, wird an Ort und Stelle neu geschrieben: Das vollständige Ergebnis wird in eine temporäre Datei geschrieben, ein Protokoll des Durchlaufs wird in Ihrem eigenen Ordner &lt;code&gt;~/.local/state/korbit/rewrites&lt;/code&gt; abgelegt, und erst dann wird das Ergebnis in die Datei kopiert. Wird dieses Kopieren unterbrochen (die Platte ist voll, der Rechner hält an), bleibt das vollständige Ergebnis neben der Datei oder in Ihrem Einstellungsordner erhalten, unter einem Namen, der mit einem Punkt beginnt und &lt;code&gt;korbit-complete&lt;/code&gt; enthält. Wenn Sie die Datei das nächste Mal ver- oder entschlüsseln, schließt Ardentis das unterbrochene Kopieren ab, teilt Ihnen das mit und tut sonst nichts. Löschen Sie diese Datei nicht von Hand.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Only your own run's copy is ever used.&lt;/strong&gt; Ardentis applies such a copy only when its record proves that your run made it for this very file and that it holds exactly what that run wrote. A file of another user's with such a name is ignored, and you are told its name. A copy of yours that cannot be proven stops the run: nothing is changed, and the message says where the copy is, so that you can look at it and move it away.</source>
        <translation>&lt;strong&gt;Verwendet wird immer nur die Kopie Ihres eigenen Durchlaufs.&lt;/strong&gt; Ardentis übernimmt eine solche Kopie nur, wenn ihr Protokoll belegt, dass Ihr Durchlauf sie für genau diese Datei angelegt hat und dass sie genau das enthält, was dieser Durchlauf geschrieben hat. Eine Datei eines anderen Benutzers mit einem solchen Namen wird nicht beachtet, und Ihnen wird ihr Name genannt. Eine Kopie von Ihnen, die sich nicht belegen lässt, hält den Durchlauf an: Nichts wird geändert, und die Meldung sagt, wo die Kopie liegt, damit Sie sie ansehen und wegräumen können.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;What cannot be done is refused at once.&lt;/strong&gt; A folder, a device, a file of the system's kernel interfaces (under &lt;code&gt;/proc&lt;/code&gt; or &lt;code&gt;/sys&lt;/code&gt;), a file over 64 GB, one on a read-only disk, one marked immutable, or one that you may neither replace nor write (a file of root's in &lt;code&gt;/etc&lt;/code&gt;, say) is refused with the reason as soon as you choose it, before you type a password.</source>
        <translation>&lt;strong&gt;Was sich nicht machen lässt, wird sofort abgelehnt.&lt;/strong&gt; Ein Ordner, ein Gerät, eine Datei der Kernel-Schnittstellen des Systems (unter &lt;code&gt;/proc&lt;/code&gt; oder &lt;code&gt;/sys&lt;/code&gt;), eine Datei über 64 GB, eine auf einem schreibgeschützten Datenträger, eine als unveränderlich markierte oder eine, die Sie weder ersetzen noch beschreiben dürfen (etwa eine Datei von root in &lt;code&gt;/etc&lt;/code&gt;), wird mit dem Grund abgelehnt, sobald Sie sie wählen, noch bevor Sie ein Passwort eingeben.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;The file is locked&lt;/strong&gt; while it is rewritten, so a second Ardentis or &lt;code&gt;korbit&lt;/code&gt; cannot work on it at the same time. The lock is only advisory: other programs may ignore it. If another program changes the file during a run, Ardentis notices, stops with "&amp;hellip; changed while it was being encrypted; nothing was replaced", and the file keeps what the other program wrote.</source>
        <translation>&lt;strong&gt;Die Datei ist gesperrt&lt;/strong&gt;, während sie neu geschrieben wird, sodass ein zweites Ardentis oder &lt;code&gt;korbit&lt;/code&gt; nicht gleichzeitig daran arbeiten kann. Die Sperre ist nur beratend: Andere Programme können sie missachten. Ändert ein anderes Programm die Datei während eines Durchlaufs, bemerkt Ardentis das, hält mit der (englischen) Meldung "&amp;hellip; changed while it was being encrypted; nothing was replaced" an, und die Datei behält, was das andere Programm geschrieben hat.</translation>
    </message>
    <message>
        <source>Ardentis works on the file it opened: a link that someone swaps into the file's folder during a run never leads it to another file.</source>
        <translation>Ardentis arbeitet an der Datei, die es geöffnet hat: Ein Link, den jemand während eines Durchlaufs in den Ordner der Datei schiebt, führt es nie zu einer anderen Datei.</translation>
    </message>
    <message>
        <source>Your password</source>
        <translation>Ihr Passwort</translation>
    </message>
    <message>
        <source>A password has &lt;strong&gt;6 or more characters&lt;/strong&gt;, and &lt;strong&gt;at most 26&lt;/strong&gt;. Files made by earlier versions rely on that limit.</source>
        <translation>Ein Passwort hat &lt;strong&gt;mindestens 6 Zeichen&lt;/strong&gt; und &lt;strong&gt;höchstens 26&lt;/strong&gt;. Dateien früherer Versionen sind auf diese Grenze angewiesen.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Show&lt;/strong&gt;, beside the box, shows what you typed; &lt;strong&gt;Hide&lt;/strong&gt; hides it again.</source>
        <translation>&lt;strong&gt;Anzeigen&lt;/strong&gt; neben dem Feld zeigt, was Sie eingegeben haben; &lt;strong&gt;Ausblenden&lt;/strong&gt; blendet es wieder aus.</translation>
    </message>
    <message>
        <source>Under the box a &lt;strong&gt;strength meter&lt;/strong&gt; says, as you type, how long one graphics card would need to guess the password: &amp;ldquo;Weak: one graphics card could guess it in about 3 hours.&amp;rdquo;, &amp;ldquo;Fair: &amp;hellip;&amp;rdquo; or &amp;ldquo;Strong: one graphics card would need thousands of years to guess it.&amp;rdquo;</source>
        <translation>Unter dem Feld sagt eine &lt;strong&gt;Stärkeanzeige&lt;/strong&gt; schon während der Eingabe, wie lange eine Grafikkarte bräuchte, um das Passwort zu erraten: &amp;bdquo;Schwach: Zum Erraten bräuchte eine Grafikkarte etwa 3 Stunden.&amp;ldquo;, &amp;bdquo;Mittel: &amp;hellip;&amp;ldquo; oder &amp;bdquo;Stark: Zum Erraten bräuchte eine Grafikkarte Tausende von Jahren.&amp;ldquo;</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Suggest&lt;/strong&gt; fills in a random password of five groups of four letters and digits, such as &lt;code&gt;k7qm-3xpn-a9fe-w2rh-tt8d&lt;/code&gt;, and shows it. It carries 100 bits of chance; no graphics card will guess it. &lt;strong&gt;Write it down&lt;/strong&gt; and keep it safe.</source>
        <translation>&lt;strong&gt;Vorschlagen&lt;/strong&gt; setzt ein zufälliges Passwort aus fünf Gruppen von je vier Buchstaben und Ziffern ein, etwa &lt;code&gt;k7qm-3xpn-a9fe-w2rh-tt8d&lt;/code&gt;, und zeigt es an. Es steckt 100 Bit Zufall darin; keine Grafikkarte wird es erraten. &lt;strong&gt;Schreiben Sie es auf&lt;/strong&gt; und bewahren Sie es sicher auf.</translation>
    </message>
    <message>
        <source>Passwords are &lt;strong&gt;case sensitive&lt;/strong&gt;: &lt;code&gt;Summer&lt;/code&gt; and &lt;code&gt;summer&lt;/code&gt; are different passwords.</source>
        <translation>Bei Passwörtern zählt &lt;strong&gt;Groß- und Kleinschreibung&lt;/strong&gt;: &lt;code&gt;Summer&lt;/code&gt; und &lt;code&gt;summer&lt;/code&gt; sind verschiedene Passwörter.</translation>
    </message>
    <message>
        <source>Decrypting needs exactly the password the file was encrypted with. A wrong password is refused and the file is not touched.</source>
        <translation>Zum Entschlüsseln braucht es genau das Passwort, mit dem die Datei verschlüsselt wurde. Ein falsches Passwort wird abgelehnt, und die Datei bleibt unberührt.</translation>
    </message>
    <message>
        <source>WARNING!!! DO NOT lose your password. The technology to restore your file without the password DOES NOT EXIST.</source>
        <translation>ACHTUNG!!! Verlieren Sie Ihr Passwort NICHT. Eine Technik, die Ihre Datei ohne das Passwort wiederherstellt, GIBT ES NICHT.</translation>
    </message>
    <message>
        <source>Typing it twice, and how strong it is</source>
        <translation>Zweimal eingeben, und wie stark es ist</translation>
    </message>
    <message>
        <source>Before a file is encrypted, Ardentis asks for the password a second time, so that a typing mistake cannot lock you out of your file. If the two do not match, nothing happens: type it again, or press &lt;kbd&gt;Esc&lt;/kbd&gt; and correct the first one. Decrypting asks only once, since a wrong password is simply refused.</source>
        <translation>Bevor eine Datei verschlüsselt wird, fragt Ardentis ein zweites Mal nach dem Passwort, damit ein Tippfehler Sie nicht aus Ihrer Datei aussperren kann. Stimmen die beiden nicht überein, geschieht nichts: Geben Sie es noch einmal ein, oder drücken Sie &lt;kbd&gt;Esc&lt;/kbd&gt; und korrigieren Sie das erste. Beim Entschlüsseln wird nur einmal gefragt, denn ein falsches Passwort wird einfach abgelehnt.</translation>
    </message>
    <message>
        <source>The password box takes at most 26 characters. When you reach that limit, or type or paste more, a note under the box says so: nothing is cut off without your knowing, and a passphrase that is too long is not taken at all.</source>
        <translation>Das Passwortfeld nimmt höchstens 26 Zeichen an. Wenn Sie diese Grenze erreichen oder mehr eingeben oder einfügen, sagt eine Notiz unter dem Feld das: Nichts wird ohne Ihr Wissen abgeschnitten, und eine zu lange Passphrase wird gar nicht übernommen.</translation>
    </message>
    <message>
        <source>The second dialog repeats what the strength meter says: an estimate of how long it would take to find your password by guessing, for someone who has a copy of the encrypted file and one current graphics card. Such a card tries about &lt;strong&gt;10 billion passwords a second&lt;/strong&gt;, because checking a guess against the file costs a single SHA-256 digest. The estimate counts the guesses such an attacker makes first: dictionary words and common passwords, names, dates, keyboard patterns such as &lt;code&gt;qwerty&lt;/code&gt;, repeats and sequences such as &lt;code&gt;abc&lt;/code&gt;, and the usual ways of disguising them (&lt;code&gt;p4ssw0rd&lt;/code&gt;). &amp;ldquo;correct horse&amp;rdquo; is weak; several unrelated words, or a suggested password, are strong.</source>
        <translation>Der zweite Dialog wiederholt, was die Stärkeanzeige sagt: eine Schätzung, wie lange es dauern würde, Ihr Passwort durch Raten zu finden, für jemanden, der eine Kopie der verschlüsselten Datei und eine aktuelle Grafikkarte hat. Eine solche Karte probiert etwa &lt;strong&gt;10 Milliarden Passwörter pro Sekunde&lt;/strong&gt;, denn einen Versuch an der Datei zu prüfen kostet nur eine einzige SHA-256-Berechnung. Die Schätzung zählt die Versuche, die ein solcher Angreifer zuerst macht: Wörter aus Wörterbüchern und verbreitete Passwörter, Namen, Datumsangaben, Tastaturmuster wie &lt;code&gt;qwerty&lt;/code&gt;, Wiederholungen und Folgen wie &lt;code&gt;abc&lt;/code&gt; sowie die üblichen Verkleidungen (&lt;code&gt;p4ssw0rd&lt;/code&gt;). &amp;bdquo;correct horse&amp;ldquo; ist schwach; mehrere Wörter ohne Zusammenhang oder ein vorgeschlagenes Passwort sind stark.</translation>
    </message>
    <message>
        <source>&amp;ldquo;&amp;eacute; is fine; letters from other scripts do not all count.&amp;rdquo; Only the last 8 bits of each character enter the key. Letters with accents such as &amp;eacute;, &amp;auml; or &amp;ntilde; count in full, but characters beyond &lt;code&gt;U+00FF&lt;/code&gt; (Cyrillic, Greek, Chinese and most other scripts, and symbols such as emoji) count the same as some other character: the passwords &lt;code&gt;фффффф&lt;/code&gt; and &lt;code&gt;DDDDDD&lt;/code&gt; open the same files. The note under the password box says so when your password holds such characters; it appears in space kept for it, so nothing moves while you type.</source>
        <translation>&amp;bdquo;&amp;eacute; ist in Ordnung; Buchstaben aus anderen Schriften zählen nicht alle.&amp;ldquo; Nur die letzten 8 Bit jedes Zeichens gehen in den Schlüssel ein. Buchstaben mit Akzenten wie &amp;eacute;, &amp;auml; oder &amp;ntilde; zählen voll, aber Zeichen jenseits von &lt;code&gt;U+00FF&lt;/code&gt; (Kyrillisch, Griechisch, Chinesisch und die meisten anderen Schriften sowie Symbole wie Emoji) zählen wie ein anderes Zeichen: Die Passwörter &lt;code&gt;фффффф&lt;/code&gt; und &lt;code&gt;DDDDDD&lt;/code&gt; öffnen dieselben Dateien. Die Notiz unter dem Passwortfeld sagt das, wenn Ihr Passwort solche Zeichen enthält; sie erscheint in einem dafür freigehaltenen Platz, sodass sich beim Tippen nichts verschiebt.</translation>
    </message>
    <message>
        <source>Keyboard, screen readers and more files</source>
        <translation>Tastatur, Bildschirmleser und weitere Dateien</translation>
    </message>
    <message>
        <source>Key</source>
        <comment>section keyboard</comment>
        <translation>Taste</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Was sie tut</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Tab&lt;/kbd&gt;</source>
        <translation>&lt;kbd&gt;Tab&lt;/kbd&gt;</translation>
    </message>
    <message>
        <source>moves through the file box, Select File, the password, Show, Suggest, the buttons and the four pictures, in that order</source>
        <translation>wechselt der Reihe nach durch das Dateifeld, Datei wählen, das Passwort, Anzeigen, Vorschlagen, die Schaltflächen und die vier Bilder</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Space&lt;/kbd&gt; or &lt;kbd&gt;Enter&lt;/kbd&gt;</source>
        <translation>&lt;kbd&gt;Leertaste&lt;/kbd&gt; oder &lt;kbd&gt;Eingabetaste&lt;/kbd&gt;</translation>
    </message>
    <message>
        <source>presses the button or picture that has the focus</source>
        <translation>drückt die Schaltfläche oder das Bild, das den Fokus hat</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Enter&lt;/kbd&gt; in the file box</source>
        <translation>&lt;kbd&gt;Eingabetaste&lt;/kbd&gt; im Dateifeld</translation>
    </message>
    <message>
        <source>takes the path you typed there, as if you had chosen it</source>
        <translation>übernimmt den dort eingegebenen Pfad, als hätten Sie ihn gewählt</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Enter&lt;/kbd&gt; in the password box</source>
        <translation>&lt;kbd&gt;Eingabetaste&lt;/kbd&gt; im Passwortfeld</translation>
    </message>
    <message>
        <source>presses Encrypt or Decrypt</source>
        <translation>drückt Verschlüsseln oder Entschlüsseln</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Esc&lt;/kbd&gt;</source>
        <translation>&lt;kbd&gt;Esc&lt;/kbd&gt;</translation>
    </message>
    <message>
        <source>cancels a running encryption or decryption</source>
        <translation>bricht ein laufendes Ver- oder Entschlüsseln ab</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;F1&lt;/kbd&gt;</source>
        <translation>&lt;kbd&gt;F1&lt;/kbd&gt;</translation>
    </message>
    <message>
        <source>opens this help page, with the desktop's program for web pages or, where there is none, in a window of Ardentis</source>
        <translation>öffnet diese Hilfeseite mit dem Programm des Desktops für Webseiten oder, wo es keines gibt, in einem Fenster von Ardentis</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;Q&lt;/kbd&gt;</source>
        <translation>&lt;kbd&gt;Strg&lt;/kbd&gt;+&lt;kbd&gt;Q&lt;/kbd&gt;</translation>
    </message>
    <message>
        <source>closes Ardentis (a running job is cancelled first and the file left as it was)</source>
        <translation>schließt Ardentis (eine laufende Arbeit wird zuerst abgebrochen und die Datei so gelassen, wie sie war)</translation>
    </message>
    <message>
        <source>Every control has a name that screen readers announce; the sound picture says whether sounds are on or off.</source>
        <translation>Jedes Bedienelement hat einen Namen, den Bildschirmleser ansagen; das Lautsprecherbild sagt, ob die Töne an oder aus sind.</translation>
    </message>
    <message>
        <source>Only one copy of Ardentis runs at a time. Opening a file with Ardentis while it already runs hands the file to the running window, which comes to the front and selects it (several files too); if the window is busy with a job or a dialog, it says so and leaves its own files alone, and the note goes when the job ends. The hand-over stays among your own programs: it goes through a folder only you can open, and the running window listens to no other user.</source>
        <translation>Es läuft immer nur eine Instanz von Ardentis. Öffnen Sie eine Datei mit Ardentis, während es schon läuft, wird die Datei an das laufende Fenster übergeben, das in den Vordergrund kommt und sie auswählt (auch mehrere Dateien); ist das Fenster mit einer Arbeit oder einem Dialog beschäftigt, sagt es das und lässt seine eigenen Dateien in Ruhe, und die Notiz verschwindet, wenn die Arbeit endet. Die Übergabe bleibt unter Ihren eigenen Programmen: Sie geht durch einen Ordner, den nur Sie öffnen können, und das laufende Fenster hört auf keinen anderen Benutzer.</translation>
    </message>
    <message>
        <source>Any file name your system allows can be chosen, one written in an older character set too. Letters of such a name that are not UTF-8 are shown as a code, for example &lt;code&gt;caf\xE9.txt&lt;/code&gt;; the file keeps its name.</source>
        <translation>Jeder Dateiname, den Ihr System erlaubt, lässt sich wählen, auch einer in einem älteren Zeichensatz. Buchstaben eines solchen Namens, die kein UTF-8 sind, werden als Code angezeigt, zum Beispiel &lt;code&gt;caf\xE9.txt&lt;/code&gt;; die Datei behält ihren Namen.</translation>
    </message>
    <message>
        <source>With a dark desktop theme the window's coloured texts turn lighter so that they stay easy to read, the password box turns dark yellow with light text, and the speaker and information pictures are drawn in light colours; on high-resolution screens the pictures are drawn at full sharpness.</source>
        <translation>Mit einem dunklen Desktop-Thema werden die farbigen Texte des Fensters heller, damit sie gut lesbar bleiben, das Passwortfeld wird dunkelgelb mit heller Schrift, und die Bilder für Ton und Informationen werden in hellen Farben gezeichnet; auf hochauflösenden Bildschirmen werden die Bilder in voller Schärfe gezeichnet.</translation>
    </message>
    <message>
        <source>Inside an encrypted file</source>
        <translation>Das Innere einer verschlüsselten Datei</translation>
    </message>
    <message>
        <source>An encrypted file holds, in this order:</source>
        <translation>Eine verschlüsselte Datei enthält, in dieser Reihenfolge:</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Teil</translation>
    </message>
    <message>
        <source>What it is</source>
        <translation>Was er ist</translation>
    </message>
    <message>
        <source>A short header</source>
        <translation>Ein kurzer Kopf</translation>
    </message>
    <message>
        <source>a marker that identifies the file as encrypted (the letters &lt;code&gt;xjeS&lt;/code&gt;), the original file's extension and attributes (such as read-only), and a random seed drawn afresh from the system's random source for every encryption</source>
        <translation>eine Kennung, an der die Datei als verschlüsselt erkannt wird (die Buchstaben &lt;code&gt;xjeS&lt;/code&gt;), die Endung und die Attribute der ursprünglichen Datei (etwa schreibgeschützt) und ein Zufallswert, der für jedes Verschlüsseln neu aus der Zufallsquelle des Systems gezogen wird</translation>
    </message>
    <message>
        <source>A password check</source>
        <translation>Eine Passwortprüfung</translation>
    </message>
    <message>
        <source>32 bytes computed from the password and the seed; Ardentis compares them with your password before it decrypts anything</source>
        <translation>32 Byte, aus dem Passwort und dem Zufallswert berechnet; Ardentis vergleicht sie mit Ihrem Passwort, bevor es irgendetwas entschlüsselt</translation>
    </message>
    <message>
        <source>The data</source>
        <translation>Die Daten</translation>
    </message>
    <message>
        <source>your file's content, XORed in 32-byte blocks with keys derived from the password through SHA-256; every block gets its own key</source>
        <translation>der Inhalt Ihrer Datei, in Blöcken von 32 Byte per XOR mit Schlüsseln verknüpft, die über SHA-256 aus dem Passwort abgeleitet sind; jeder Block erhält seinen eigenen Schlüssel</translation>
    </message>
    <message>
        <source>Because of the random seed, encrypting the same file twice with the same password gives two different encrypted files. The seed is also chosen so that no block of any file is ever encrypted with a key that an encrypted file stores as its password check.</source>
        <translation>Wegen des Zufallswerts ergibt dieselbe Datei, zweimal mit demselben Passwort verschlüsselt, zwei verschiedene verschlüsselte Dateien. Der Zufallswert wird außerdem so gewählt, dass kein Block einer Datei je mit einem Schlüssel verschlüsselt wird, den eine verschlüsselte Datei als ihre Passwortprüfung speichert.</translation>
    </message>
    <message>
        <source>What the format does not protect</source>
        <translation>Wovor das Format nicht schützt</translation>
    </message>
    <message>
        <source>The encrypted format is kept exactly as it is so that files encrypted earlier can still be decrypted. That compatibility has a price, and you should know it:</source>
        <translation>Das verschlüsselte Format bleibt genau so, wie es ist, damit früher verschlüsselte Dateien weiterhin entschlüsselt werden können. Diese Verträglichkeit hat ihren Preis, und Sie sollten ihn kennen:</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Guessing passwords offline.&lt;/strong&gt; The password check is stored in the file. Someone who has a copy of the encrypted file can test guesses against it on their own computer, quickly and as often as they like. Only a long, unguessable password gives real protection: use the full 26 characters, mixing unrelated words, digits and symbols.</source>
        <translation>&lt;strong&gt;Passwörter offline erraten.&lt;/strong&gt; Die Passwortprüfung steht in der Datei. Wer eine Kopie der verschlüsselten Datei hat, kann auf dem eigenen Rechner Versuche daran prüfen, schnell und so oft er will. Nur ein langes, nicht zu erratendes Passwort schützt wirklich: Nutzen Sie die vollen 26 Zeichen und mischen Sie Wörter ohne Zusammenhang, Ziffern und Symbole.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Some bits are not hidden.&lt;/strong&gt; The last key byte of each 32-byte block carries only 4 bits of key. The upper 4 bits of every 32nd plain byte are therefore visible in the encrypted file.</source>
        <translation>&lt;strong&gt;Einige Bits bleiben sichtbar.&lt;/strong&gt; Das letzte Schlüsselbyte jedes 32-Byte-Blocks trägt nur 4 Bit Schlüssel. Die oberen 4 Bit jedes 32. Klartextbytes sind daher in der verschlüsselten Datei sichtbar.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;No tamper detection.&lt;/strong&gt; Nothing in the format notices changes. If someone alters an encrypted file, it decrypts to altered content without any warning.</source>
        <translation>&lt;strong&gt;Keine Erkennung von Manipulationen.&lt;/strong&gt; Nichts im Format bemerkt Änderungen. Verändert jemand eine verschlüsselte Datei, entschlüsselt sie ohne jede Warnung zu verändertem Inhalt.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Size and name stay visible.&lt;/strong&gt; The encrypted file keeps the original name, and its size is the original size plus a small header.</source>
        <translation>&lt;strong&gt;Größe und Name bleiben sichtbar.&lt;/strong&gt; Die verschlüsselte Datei behält den ursprünglichen Namen, und ihre Größe ist die ursprüngliche Größe plus ein kleiner Kopf.</translation>
    </message>
    <message>
        <source>If you need strong protection, use a modern tool with authenticated encryption as well, for example on top of a file Ardentis encrypted.</source>
        <translation>Wenn Sie starken Schutz brauchen, verwenden Sie zusätzlich ein modernes Werkzeug mit authentifizierter Verschlüsselung, zum Beispiel über einer Datei, die Ardentis verschlüsselt hat.</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Ardentis plays short sound cues: when a run starts, when it succeeds, when it is cancelled, and when you click a button. Click the speaker image to turn the cues off or on. The speaker with waves means sounds are on; the speaker with a cross means they are off. Your choice is remembered.</source>
        <translation>Ardentis spielt kurze Töne ab: wenn ein Durchlauf beginnt, wenn er gelingt, wenn er abgebrochen wird und wenn Sie eine Schaltfläche anklicken. Klicken Sie auf das Lautsprecherbild, um die Töne aus- oder einzuschalten. Der Lautsprecher mit Wellen bedeutet, dass die Töne an sind; der Lautsprecher mit einem Kreuz, dass sie aus sind. Ihre Wahl wird gespeichert.</translation>
    </message>
    <message>
        <source>The information window</source>
        <translation>Das Informationsfenster</translation>
    </message>
    <message>
        <source>The &lt;strong&gt;i&lt;/strong&gt; image opens the information window, which shows the program's version and its maker, Velmora Software. The &lt;strong&gt;?&lt;/strong&gt; image opens this help page.</source>
        <translation>Das Bild &lt;strong&gt;i&lt;/strong&gt; öffnet das Informationsfenster, das die Version des Programms und seinen Hersteller, Velmora Software, zeigt. Das Bild &lt;strong&gt;?&lt;/strong&gt; öffnet diese Hilfeseite.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Ardentis keeps its few settings for each user in &lt;code&gt;~/.config/Velmora Software/Corvane/xjf_app.ini&lt;/code&gt;:</source>
        <translation>Ardentis speichert seine wenigen Einstellungen für jeden Benutzer in &lt;code&gt;~/.config/Velmora Software/Corvane/xjf_app.ini&lt;/code&gt;:</translation>
    </message>
    <message>
        <source>Key</source>
        <comment>section settings</comment>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>where the settings file itself lives</source>
        <translation>wo die Einstellungsdatei selbst liegt</translation>
    </message>
    <message>
        <source>where this help page is found</source>
        <translation>wo diese Hilfeseite zu finden ist</translation>
    </message>
    <message>
        <source>whether the sound cues are on</source>
        <translation>ob die Töne an sind</translation>
    </message>
    <message>
        <source>Ardentis writes this file itself; you rarely need to edit it.</source>
        <translation>Ardentis schreibt diese Datei selbst; Sie müssen sie kaum je bearbeiten.</translation>
    </message>
    <message>
        <source>The command line</source>
        <translation>Die Befehlszeile</translation>
    </message>
    <message>
        <source>The companion program &lt;code&gt;korbit&lt;/code&gt; does the same work from a terminal and reads and writes the same encrypted files:</source>
        <translation>Das Begleitprogramm &lt;code&gt;korbit&lt;/code&gt; erledigt dieselbe Arbeit im Terminal und liest und schreibt dieselben verschlüsselten Dateien:</translation>
    </message>
    <message>
        <source>It asks for the password (twice when encrypting). With &lt;code&gt;--password-stdin&lt;/code&gt; it reads the password as one line from standard input instead, which is handy in scripts. Press &lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;C&lt;/kbd&gt; to cancel; as in the window, the file is then left as it was.</source>
        <translation>Es fragt nach dem Passwort (beim Verschlüsseln zweimal). Mit &lt;code&gt;--password-stdin&lt;/code&gt; liest es das Passwort stattdessen als eine Zeile von der Standardeingabe, was in Skripten praktisch ist. Drücken Sie &lt;kbd&gt;Strg&lt;/kbd&gt;+&lt;kbd&gt;C&lt;/kbd&gt;, um abzubrechen; wie im Fenster bleibt die Datei dann so, wie sie war.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Ardentis</source>
        <translation>Ardentis</translation>
    </message>
    <message>
        <source>File Encryption</source>
        <translation>Dateiverschlüsselung</translation>
    </message>
    <message>
        <source>Encrypt or decrypt a file in place with a password</source>
        <translation>Eine Datei an Ort und Stelle mit einem Passwort ver- oder entschlüsseln</translation>
    </message>
    <message>
        <source>encrypt;decrypt;password;lock;security;corvane;</source>
        <translation>verschlüsseln;entschlüsseln;Passwort;Kennwort;sperren;Sicherheit;Verschlüsselung;corvane;</translation>
    </message>
    <message>
        <source>Encrypt with Corvane</source>
        <translation>Mit Corvane verschlüsseln</translation>
    </message>
    <message>
        <source>Encrypt the file in place with a password</source>
        <translation>Die Datei an Ort und Stelle mit einem Passwort verschlüsseln</translation>
    </message>
    <message>
        <source>Decrypt with Corvane</source>
        <translation>Mit Corvane entschlüsseln</translation>
    </message>
    <message>
        <source>Decrypt the file in place with a password</source>
        <translation>Die Datei an Ort und Stelle mit einem Passwort entschlüsseln</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Encrypt or decrypt a file in place with a password</source>
        <translation>Eine Datei an Ort und Stelle mit einem Passwort ver- oder entschlüsseln</translation>
    </message>
</context>
</TS>
