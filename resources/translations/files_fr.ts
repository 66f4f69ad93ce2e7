<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>HelpPage</name>
    <message>
        <source>Ardentis Help</source>
        <comment>top</comment>
        <translation>Aide d’Ardentis</translation>
    </message>
    <message>
        <source>&lt;a href="#what"&gt;What Ardentis does&lt;/a&gt; &amp;middot; &lt;a href="#how"&gt;Encrypting and decrypting&lt;/a&gt; &amp;middot; &lt;a href="#several"&gt;Several files at once&lt;/a&gt; &amp;middot; &lt;a href="#afterwards"&gt;What is true after a run&lt;/a&gt; &amp;middot; &lt;a href="#password"&gt;Your password&lt;/a&gt; &amp;middot; &lt;a href="#confirm"&gt;Typing it twice, and how strong it is&lt;/a&gt; &amp;middot; &lt;a href="#keyboard"&gt;Keyboard, screen readers and more files&lt;/a&gt; &amp;middot; &lt;a href="#format"&gt;Inside an encrypted file&lt;/a&gt; &amp;middot; &lt;a href="#limits"&gt;What the format does not protect&lt;/a&gt; &amp;middot; &lt;a href="#sounds"&gt;Sounds&lt;/a&gt; &amp;middot; &lt;a href="#info"&gt;The information window&lt;/a&gt; &amp;middot; &lt;a href="#settings"&gt;Settings&lt;/a&gt; &amp;middot; &lt;a href="#korbit"&gt;The command line&lt;/a&gt;</source>
        <translation>&lt;a href="#what"&gt;Ce que fait Ardentis&lt;/a&gt; &amp;middot; &lt;a href="#how"&gt;Chiffrer et déchiffrer&lt;/a&gt; &amp;middot; &lt;a href="#several"&gt;Plusieurs fichiers à la fois&lt;/a&gt; &amp;middot; &lt;a href="#afterwards"&gt;Ce qui est vrai après une opération&lt;/a&gt; &amp;middot; &lt;a href="#password"&gt;Votre mot de passe&lt;/a&gt; &amp;middot; &lt;a href="#confirm"&gt;Le saisir deux fois, et sa robustesse&lt;/a&gt; &amp;middot; &lt;a href="#keyboard"&gt;Clavier, lecteurs d’écran et autres fichiers&lt;/a&gt; &amp;middot; &lt;a href="#format"&gt;L’intérieur d’un fichier chiffré&lt;/a&gt; &amp;middot; &lt;a href="#limits"&gt;Ce que le format ne protège pas&lt;/a&gt; &amp;middot; &lt;a href="#sounds"&gt;Sons&lt;/a&gt; &amp;middot; &lt;a href="#info"&gt;La fenêtre d’informations&lt;/a&gt; &amp;middot; &lt;a href="#settings"&gt;Réglages&lt;/a&gt; &amp;middot; &lt;a href="#korbit"&gt;La ligne de commande&lt;/a&gt;</translation>
    </message>
    <message>
        <source>What Ardentis does</source>
        <translation>Ce que fait Ardentis</translation>
    </message>
    <message>
        <source>Ardentis protects files with a password, one or several at a time. A file is encrypted &lt;em&gt;in place&lt;/em&gt;: it keeps its name and stays in its folder, but its content can only be read again after it is decrypted with the same password.</source>
        <translation>Ardentis protège des fichiers par un mot de passe, un seul ou plusieurs à la fois. Un fichier est chiffré &lt;em&gt;sur place&lt;/em&gt;&amp;nbsp;: il garde son nom et reste dans son dossier, mais son contenu ne peut être relu qu’après avoir été déchiffré avec le même mot de passe.</translation>
    </message>
    <message>
        <source>After encryption the file is marked &lt;strong&gt;read-only&lt;/strong&gt;, so that it is not changed by accident.</source>
        <translation>Après le chiffrement, le fichier est marqué &lt;strong&gt;en lecture seule&lt;/strong&gt;, afin qu’il ne soit pas modifié par mégarde.</translation>
    </message>
    <message>
        <source>Decryption restores the original content and the file's original read-only state (a file that was writable before becomes writable again).</source>
        <translation>Le déchiffrement rétablit le contenu d’origine et l’état de lecture seule d’origine du fichier (un fichier qui était modifiable auparavant le redevient).</translation>
    </message>
    <message>
        <source>Ardentis tells by itself whether a file is plain or encrypted, so the same window does both jobs.</source>
        <translation>Ardentis reconnaît de lui-même si un fichier est en clair ou chiffré&amp;nbsp;; la même fenêtre sert donc aux deux.</translation>
    </message>
    <message>
        <source>Encrypting and decrypting</source>
        <translation>Chiffrer et déchiffrer</translation>
    </message>
    <message>
        <source>Press &lt;strong&gt;Select File&lt;/strong&gt; and choose the file. You can also drop a file from your file manager onto the window: that selects it too. The next time, the dialog opens in the folder of the file you chose last.</source>
        <translation>Cliquez sur &lt;strong&gt;Choisir un fichier&lt;/strong&gt; et désignez le fichier. Vous pouvez aussi déposer un fichier depuis votre gestionnaire de fichiers sur la fenêtre&amp;nbsp;: cela le sélectionne aussi. La fois suivante, la boîte de dialogue s’ouvre dans le dossier du dernier fichier choisi.</translation>
    </message>
    <message>
        <source>Look at the big button. It reads &lt;strong&gt;Encrypt&lt;/strong&gt; when the file is a plain file and &lt;strong&gt;Decrypt&lt;/strong&gt; when the file is already encrypted. It can be pressed only while the file box names a file that can be worked on.</source>
        <translation>Regardez le grand bouton. Il indique &lt;strong&gt;Chiffrer&lt;/strong&gt; quand le fichier est en clair et &lt;strong&gt;Déchiffrer&lt;/strong&gt; quand il est déjà chiffré. On ne peut l’actionner que lorsque la zone du fichier nomme un fichier qui peut être traité.</translation>
    </message>
    <message>
        <source>Type the password, or press &lt;strong&gt;Suggest&lt;/strong&gt; for one (see &lt;a href="#password"&gt;Your password&lt;/a&gt;).</source>
        <translation>Saisissez le mot de passe, ou cliquez sur &lt;strong&gt;Suggérer&lt;/strong&gt; pour en obtenir un (voir &lt;a href="#password"&gt;Votre mot de passe&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>Press the button, or press &lt;kbd&gt;Enter&lt;/kbd&gt; in the password box.</source>
        <translation>Cliquez sur le bouton, ou appuyez sur &lt;kbd&gt;Entrée&lt;/kbd&gt; dans la zone du mot de passe.</translation>
    </message>
    <message>
        <source>While the file is processed, a progress bar and a percentage show how far the work has come. Large files take a while.</source>
        <translation>Pendant le traitement du fichier, une barre de progression et un pourcentage montrent où en est le travail. Les gros fichiers prennent un moment.</translation>
    </message>
    <message>
        <source>When the run ends, the line under the bar says what happened: &amp;ldquo;report.pdf is encrypted.&amp;rdquo;, &amp;ldquo;report.pdf is decrypted.&amp;rdquo;, &amp;ldquo;Cancelled: report.pdf is as it was.&amp;rdquo;, &amp;ldquo;Wrong password: nothing was changed.&amp;rdquo;, or why the file could not be changed. If you turned to another window in the meantime, the desktop also shows a notification; its &lt;strong&gt;Show in folder&lt;/strong&gt; button opens the file's folder with the file selected. The bar and the percentage keep the last value they showed during the run, which for a small file may be well below 100%: the line under them is what tells.</source>
        <translation>À la fin de l’opération, la ligne sous la barre dit ce qui s’est passé&amp;nbsp;: «&amp;nbsp;report.pdf est chiffré.&amp;nbsp;», «&amp;nbsp;report.pdf est déchiffré.&amp;nbsp;», «&amp;nbsp;Annulé&amp;nbsp;: report.pdf est resté tel quel.&amp;nbsp;», «&amp;nbsp;Mot de passe incorrect&amp;nbsp;: rien n’a été modifié.&amp;nbsp;», ou pourquoi le fichier n’a pas pu être modifié. Si vous êtes passé entre-temps à une autre fenêtre, le bureau affiche aussi une notification&amp;nbsp;; son bouton &lt;strong&gt;Afficher dans le dossier&lt;/strong&gt; ouvre le dossier du fichier avec le fichier sélectionné. La barre et le pourcentage gardent la dernière valeur affichée pendant l’opération, qui peut être bien inférieure à 100&amp;nbsp;% pour un petit fichier&amp;nbsp;: c’est la ligne en dessous qui renseigne.</translation>
    </message>
    <message>
        <source>After a wrong password, Cancel or a failure, the file box and the password box are emptied: choose the file again to try once more.</source>
        <translation>Après un mot de passe incorrect, une annulation ou un échec, la zone du fichier et celle du mot de passe sont vidées&amp;nbsp;: choisissez de nouveau le fichier pour réessayer.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Cancel&lt;/strong&gt; stops the work at any time and leaves the file exactly as it was. Ardentis writes the result into a new file beside the original and only replaces the original when everything has been written, so an interrupted run never leaves a half-encrypted file behind.</source>
        <translation>&lt;strong&gt;Annuler&lt;/strong&gt; arrête le travail à tout moment et laisse le fichier exactement tel qu’il était. Ardentis écrit le résultat dans un nouveau fichier à côté de l’original et ne remplace l’original que lorsque tout a été écrit&amp;nbsp;; une opération interrompue ne laisse donc jamais de fichier à moitié chiffré.</translation>
    </message>
    <message>
        <source>Several files at once</source>
        <translation>Plusieurs fichiers à la fois</translation>
    </message>
    <message>
        <source>Choose several files in the Select File dialog (hold &lt;kbd&gt;Ctrl&lt;/kbd&gt; or &lt;kbd&gt;Shift&lt;/kbd&gt;), drop several onto the window, or open several with Ardentis from your file manager. The file box then reads, for example, &amp;ldquo;3 files: a.txt, b.pdf, c.odt&amp;rdquo; (rest the mouse on it to see every path), and the button says what will happen: &amp;ldquo;Encrypt 3 files&amp;rdquo;, &amp;ldquo;Decrypt 3 files&amp;rdquo;, or &amp;ldquo;Encrypt 2, decrypt 1&amp;rdquo; when some are plain and some encrypted.</source>
        <translation>Choisissez plusieurs fichiers dans la boîte de dialogue qu’ouvre Choisir un fichier (en maintenant &lt;kbd&gt;Ctrl&lt;/kbd&gt; ou &lt;kbd&gt;Maj&lt;/kbd&gt;), déposez-en plusieurs sur la fenêtre, ou ouvrez-en plusieurs avec Ardentis depuis votre gestionnaire de fichiers. La zone du fichier indique alors, par exemple, «&amp;nbsp;3 fichiers&amp;nbsp;: a.txt, b.pdf, c.odt&amp;nbsp;» (laissez la souris dessus pour voir chaque chemin), et le bouton dit ce qui va se passer&amp;nbsp;: «&amp;nbsp;Chiffrer 3 fichiers&amp;nbsp;», «&amp;nbsp;Déchiffrer 3 fichiers&amp;nbsp;», ou «&amp;nbsp;Chiffrer 2, déchiffrer 1&amp;nbsp;» quand certains sont en clair et d’autres chiffrés.</translation>
    </message>
    <message>
        <source>One password is used for all of them. It is asked twice when anything is to be encrypted.</source>
        <translation>Un seul mot de passe sert pour tous. Il est demandé deux fois dès qu’il y a quelque chose à chiffrer.</translation>
    </message>
    <message>
        <source>The files are worked on one after the other; the bar shows the whole run.</source>
        <translation>Les fichiers sont traités l’un après l’autre&amp;nbsp;; la barre montre l’opération entière.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Cancel&lt;/strong&gt; stops the file being worked on, which is left exactly as it was, and starts no other. Files finished before stay finished.</source>
        <translation>&lt;strong&gt;Annuler&lt;/strong&gt; arrête le fichier en cours, qui reste exactement tel qu’il était, et n’en commence aucun autre. Les fichiers déjà terminés le restent.</translation>
    </message>
    <message>
        <source>A file that cannot be changed at all (see below) is skipped; the note under the warning names it as soon as you choose it.</source>
        <translation>Un fichier qui ne peut pas du tout être modifié (voir plus bas) est laissé de côté&amp;nbsp;; la note sous l’avertissement le nomme dès que vous le choisissez.</translation>
    </message>
    <message>
        <source>No message stops the run halfway. At the end, the line under the bar (and the notification, if you are in another window) says how many files are done and names each one that is not, with the reason: a wrong password, Cancel, a file that could not be changed.</source>
        <translation>Aucun message n’arrête l’opération à mi-chemin. À la fin, la ligne sous la barre (et la notification, si vous êtes dans une autre fenêtre) dit combien de fichiers sont traités et nomme chacun de ceux qui ne le sont pas, avec la raison&amp;nbsp;: un mot de passe incorrect, une annulation, un fichier qui n’a pas pu être modifié.</translation>
    </message>
    <message>
        <source>What is true after a run</source>
        <translation>Ce qui est vrai après une opération</translation>
    </message>
    <message>
        <source>&lt;strong&gt;After a successful run&lt;/strong&gt; the file holds the whole new content under the same name, in the same folder, with the same owner, group, extended attributes and access control lists. Encryption takes write permission away from everyone (the file becomes read-only). Decryption gives write permission back to everyone who may read the file, as far as your default permissions (your umask) allow, unless the file was read-only before it was encrypted. The set-user-ID, set-group-ID and sticky bits are never kept: a program that was encrypted has to be given them again by hand.</source>
        <translation>&lt;strong&gt;Après une opération réussie&lt;/strong&gt;, le fichier contient tout le nouveau contenu sous le même nom, dans le même dossier, avec le même propriétaire, le même groupe, les mêmes attributs étendus et les mêmes listes de contrôle d’accès. Le chiffrement retire à tous le droit d’écriture (le fichier passe en lecture seule). Le déchiffrement rend le droit d’écriture à tous ceux qui peuvent lire le fichier, dans la mesure où vos droits par défaut (votre umask) le permettent, sauf si le fichier était en lecture seule avant d’être chiffré. Les bits set-user-ID, set-group-ID et sticky ne sont jamais conservés&amp;nbsp;: il faut les redonner à la main à un programme qui a été chiffré.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;After a wrong password, Cancel or any failure&lt;/strong&gt; the file is exactly as it was, content and permissions, and no temporary file is left behind.</source>
        <translation>&lt;strong&gt;Après un mot de passe incorrect, une annulation ou un échec quelconque&lt;/strong&gt;, le fichier est exactement tel qu’il était, contenu et droits compris, et aucun fichier temporaire ne reste.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;A file with several names&lt;/strong&gt; (hard links), one in a folder you cannot write, or one whose owner or attributes a new file cannot be given, is rewritten in place: the complete result is written to a temporary file, a record of the run is kept in your own folder &lt;code&gt;~/.local/state/korbit/rewrites&lt;/code&gt;, and only then is the result copied into the file. If that copy is interrupted (the disk is full, the computer stops), the complete result is kept beside the file, or in your settings folder, under a name that starts with a dot and contains &lt;code&gt;korbit-complete&lt;/code&gt;. The next time you encrypt or decrypt the file, Ardentis finishes the interrupted copy, tells you so, and does nothing else. Do not delete that file by hand.</source>
        <translation>&lt;strong&gt;Un fichier qui a plusieurs noms&lt;/strong&gt; (liens physiques), un fichier placé dans un dossier où vous ne pouvez pas écrire, ou un fichier dont le propriétaire ou les attributs ne peuvent pas être donnés à un nouveau fichier, est réécrit sur place&amp;nbsp;: le résultat complet est écrit dans un fichier temporaire, un relevé de l’opération est conservé dans votre propre dossier &lt;code&gt;~/.local/state/korbit/rewrites&lt;/code&gt;, et c’est seulement ensuite que le résultat est copié dans le fichier. Si cette copie est interrompue (disque plein, arrêt de l’ordinateur), le résultat complet est conservé à côté du fichier, ou dans votre dossier de réglages, sous un nom qui commence par un point et contient &lt;code&gt;korbit-complete&lt;/code&gt;. La prochaine fois que vous chiffrez ou déchiffrez le fichier, Ardentis achève la copie interrompue, vous le dit, et ne fait rien d’autre. Ne supprimez pas ce fichier à la main.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Only your own run's copy is ever used.&lt;/strong&gt; Ardentis applies such a copy only when its record proves that your run made it for this very file and that it holds exactly what that run wrote. A file of another user's with such a name is ignored, and you are told its name. A copy of yours that cannot be proven stops the run: nothing is changed, and the message says where the copy is, so that you can look at it and move it away.</source>
        <translation>&lt;strong&gt;Seule la copie faite par votre propre opération peut servir.&lt;/strong&gt; Ardentis n’applique une telle copie que si son relevé prouve que votre opération l’a faite pour ce fichier précis et qu’elle contient exactement ce que cette opération a écrit. Un fichier d’un autre utilisateur portant un tel nom est ignoré, et son nom vous est indiqué. Une copie à vous qui ne peut pas être prouvée arrête l’opération&amp;nbsp;: rien n’est modifié, et le message indique où se trouve la copie, pour que vous puissiez l’examiner et la déplacer.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;What cannot be done is refused at once.&lt;/strong&gt; A folder, a device, a file of the system's kernel interfaces (under &lt;code&gt;/proc&lt;/code&gt; or &lt;code&gt;/sys&lt;/code&gt;), a file over 64 GB, one on a read-only disk, one marked immutable, or one that you may neither replace nor write (a file of root's in &lt;code&gt;/etc&lt;/code&gt;, say) is refused with the reason as soon as you choose it, before you type a password.</source>
        <translation>&lt;strong&gt;Ce qui ne peut pas être fait est refusé tout de suite.&lt;/strong&gt; Un dossier, un périphérique, un fichier des interfaces du noyau (sous &lt;code&gt;/proc&lt;/code&gt; ou &lt;code&gt;/sys&lt;/code&gt;), un fichier de plus de 64 Go, un fichier sur un disque en lecture seule, un fichier marqué immuable, ou un fichier que vous ne pouvez ni remplacer ni modifier (un fichier de root dans &lt;code&gt;/etc&lt;/code&gt;, par exemple) est refusé avec la raison dès que vous le choisissez, avant que vous ne saisissiez un mot de passe.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;The file is locked&lt;/strong&gt; while it is rewritten, so a second Ardentis or &lt;code&gt;korbit&lt;/code&gt; cannot work on it at the same time. The lock is only advisory: other programs may ignore it. If another program changes the file during a run, Ardentis notices, stops with "&amp;hellip; changed while it was being encrypted; nothing was replaced", and the file keeps what the other program wrote.</source>
        <translation>&lt;strong&gt;Le fichier est verrouillé&lt;/strong&gt; pendant sa réécriture, si bien qu’un second Ardentis ou &lt;code&gt;korbit&lt;/code&gt; ne peut pas y travailler en même temps. Le verrou n’est qu’indicatif&amp;nbsp;: d’autres programmes peuvent l’ignorer. Si un autre programme modifie le fichier pendant une opération, Ardentis s’en aperçoit, s’arrête avec le message (en anglais) "&amp;hellip; changed while it was being encrypted; nothing was replaced", et le fichier garde ce que l’autre programme a écrit.</translation>
    </message>
    <message>
        <source>Ardentis works on the file it opened: a link that someone swaps into the file's folder during a run never leads it to another file.</source>
        <translation>Ardentis travaille sur le fichier qu’il a ouvert&amp;nbsp;: un lien que quelqu’un substitue dans le dossier du fichier pendant une opération ne le mène jamais à un autre fichier.</translation>
    </message>
    <message>
        <source>Your password</source>
        <translation>Votre mot de passe</translation>
    </message>
    <message>
        <source>A password has &lt;strong&gt;6 or more characters&lt;/strong&gt;, and &lt;strong&gt;at most 26&lt;/strong&gt;. Files made by earlier versions rely on that limit.</source>
        <translation>Un mot de passe compte &lt;strong&gt;au moins 6 caractères&lt;/strong&gt; et &lt;strong&gt;au plus 26&lt;/strong&gt;. Les fichiers créés par des versions antérieures reposent sur cette limite.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Show&lt;/strong&gt;, beside the box, shows what you typed; &lt;strong&gt;Hide&lt;/strong&gt; hides it again.</source>
        <translation>&lt;strong&gt;Afficher&lt;/strong&gt;, à côté de la zone, montre ce que vous avez saisi&amp;nbsp;; &lt;strong&gt;Masquer&lt;/strong&gt; le cache de nouveau.</translation>
    </message>
    <message>
        <source>Under the box a &lt;strong&gt;strength meter&lt;/strong&gt; says, as you type, how long one graphics card would need to guess the password: &amp;ldquo;Weak: one graphics card could guess it in about 3 hours.&amp;rdquo;, &amp;ldquo;Fair: &amp;hellip;&amp;rdquo; or &amp;ldquo;Strong: one graphics card would need thousands of years to guess it.&amp;rdquo;</source>
        <translation>Sous la zone, un &lt;strong&gt;indicateur de robustesse&lt;/strong&gt; dit, à mesure que vous tapez, combien de temps il faudrait à une carte graphique pour deviner le mot de passe&amp;nbsp;: «&amp;nbsp;Faible&amp;nbsp;: il faudrait environ 3 heures à une carte graphique pour le deviner.&amp;nbsp;», «&amp;nbsp;Moyen&amp;nbsp;: &amp;hellip;&amp;nbsp;» ou «&amp;nbsp;Fort&amp;nbsp;: il faudrait des milliers d’années à une carte graphique pour le deviner.&amp;nbsp;»</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Suggest&lt;/strong&gt; fills in a random password of five groups of four letters and digits, such as &lt;code&gt;k7qm-3xpn-a9fe-w2rh-tt8d&lt;/code&gt;, and shows it. It carries 100 bits of chance; no graphics card will guess it. &lt;strong&gt;Write it down&lt;/strong&gt; and keep it safe.</source>
        <translation>&lt;strong&gt;Suggérer&lt;/strong&gt; saisit un mot de passe aléatoire de cinq groupes de quatre lettres et chiffres, comme &lt;code&gt;k7qm-3xpn-a9fe-w2rh-tt8d&lt;/code&gt;, et l’affiche. Il contient 100 bits de hasard&amp;nbsp;; aucune carte graphique ne le devinera. &lt;strong&gt;Notez-le&lt;/strong&gt; et gardez-le en lieu sûr.</translation>
    </message>
    <message>
        <source>Passwords are &lt;strong&gt;case sensitive&lt;/strong&gt;: &lt;code&gt;Summer&lt;/code&gt; and &lt;code&gt;summer&lt;/code&gt; are different passwords.</source>
        <translation>Les mots de passe &lt;strong&gt;distinguent majuscules et minuscules&lt;/strong&gt;&amp;nbsp;: &lt;code&gt;Summer&lt;/code&gt; et &lt;code&gt;summer&lt;/code&gt; sont deux mots de passe différents.</translation>
    </message>
    <message>
        <source>Decrypting needs exactly the password the file was encrypted with. A wrong password is refused and the file is not touched.</source>
        <translation>Le déchiffrement exige exactement le mot de passe avec lequel le fichier a été chiffré. Un mot de passe incorrect est refusé et le fichier n’est pas touché.</translation>
    </message>
    <message>
        <source>WARNING!!! DO NOT lose your password. The technology to restore your file without the password DOES NOT EXIST.</source>
        <translation>ATTENTION&amp;nbsp;!!! NE PERDEZ PAS votre mot de passe. La technologie permettant de restaurer votre fichier sans le mot de passe N’EXISTE PAS.</translation>
    </message>
    <message>
        <source>Typing it twice, and how strong it is</source>
        <translation>Le saisir deux fois, et sa robustesse</translation>
    </message>
    <message>
        <source>Before a file is encrypted, Ardentis asks for the password a second time, so that a typing mistake cannot lock you out of your file. If the two do not match, nothing happens: type it again, or press &lt;kbd&gt;Esc&lt;/kbd&gt; and correct the first one. Decrypting asks only once, since a wrong password is simply refused.</source>
        <translation>Avant de chiffrer un fichier, Ardentis demande le mot de passe une seconde fois, pour qu’une faute de frappe ne puisse pas vous priver de votre fichier. Si les deux ne correspondent pas, rien ne se passe&amp;nbsp;: saisissez-le de nouveau, ou appuyez sur &lt;kbd&gt;Échap&lt;/kbd&gt; et corrigez le premier. Le déchiffrement ne le demande qu’une fois, puisqu’un mot de passe incorrect est simplement refusé.</translation>
    </message>
    <message>
        <source>The password box takes at most 26 characters. When you reach that limit, or type or paste more, a note under the box says so: nothing is cut off without your knowing, and a passphrase that is too long is not taken at all.</source>
        <translation>La zone du mot de passe accepte au plus 26 caractères. Quand vous atteignez cette limite, ou tapez ou collez davantage, une note sous la zone le signale&amp;nbsp;: rien n’est coupé à votre insu, et une phrase de passe trop longue n’est pas acceptée du tout.</translation>
    </message>
    <message>
        <source>The second dialog repeats what the strength meter says: an estimate of how long it would take to find your password by guessing, for someone who has a copy of the encrypted file and one current graphics card. Such a card tries about &lt;strong&gt;10 billion passwords a second&lt;/strong&gt;, because checking a guess against the file costs a single SHA-256 digest. The estimate counts the guesses such an attacker makes first: dictionary words and common passwords, names, dates, keyboard patterns such as &lt;code&gt;qwerty&lt;/code&gt;, repeats and sequences such as &lt;code&gt;abc&lt;/code&gt;, and the usual ways of disguising them (&lt;code&gt;p4ssw0rd&lt;/code&gt;). &amp;ldquo;correct horse&amp;rdquo; is weak; several unrelated words, or a suggested password, are strong.</source>
        <translation>La seconde boîte de dialogue reprend ce que dit l’indicateur de robustesse&amp;nbsp;: une estimation du temps qu’il faudrait pour trouver votre mot de passe en devinant, pour quelqu’un qui possède une copie du fichier chiffré et une carte graphique actuelle. Une telle carte essaie environ &lt;strong&gt;10 milliards de mots de passe par seconde&lt;/strong&gt;, car vérifier un essai contre le fichier ne coûte qu’un seul calcul SHA-256. L’estimation compte les essais qu’un tel attaquant fait en premier&amp;nbsp;: mots du dictionnaire et mots de passe courants, noms, dates, motifs de clavier comme &lt;code&gt;qwerty&lt;/code&gt;, répétitions et suites comme &lt;code&gt;abc&lt;/code&gt;, et les façons habituelles de les déguiser (&lt;code&gt;p4ssw0rd&lt;/code&gt;). «&amp;nbsp;correct horse&amp;nbsp;» est faible&amp;nbsp;; plusieurs mots sans rapport entre eux, ou un mot de passe suggéré, sont forts.</translation>
    </message>
    <message>
        <source>&amp;ldquo;&amp;eacute; is fine; letters from other scripts do not all count.&amp;rdquo; Only the last 8 bits of each character enter the key. Letters with accents such as &amp;eacute;, &amp;auml; or &amp;ntilde; count in full, but characters beyond &lt;code&gt;U+00FF&lt;/code&gt; (Cyrillic, Greek, Chinese and most other scripts, and symbols such as emoji) count the same as some other character: the passwords &lt;code&gt;фффффф&lt;/code&gt; and &lt;code&gt;DDDDDD&lt;/code&gt; open the same files. The note under the password box says so when your password holds such characters; it appears in space kept for it, so nothing moves while you type.</source>
        <translation>«&amp;nbsp;&amp;eacute; convient&amp;nbsp;; les lettres d’autres écritures ne comptent pas toutes.&amp;nbsp;» Seuls les 8 derniers bits de chaque caractère entrent dans la clé. Les lettres accentuées comme &amp;eacute;, &amp;auml; ou &amp;ntilde; comptent pleinement, mais les caractères au-delà de &lt;code&gt;U+00FF&lt;/code&gt; (cyrillique, grec, chinois et la plupart des autres écritures, ainsi que des symboles comme les émojis) comptent comme un autre caractère&amp;nbsp;: les mots de passe &lt;code&gt;фффффф&lt;/code&gt; et &lt;code&gt;DDDDDD&lt;/code&gt; ouvrent les mêmes fichiers. La note sous la zone du mot de passe le signale quand votre mot de passe contient de tels caractères&amp;nbsp;; elle apparaît dans un espace réservé à cet effet, si bien que rien ne bouge pendant que vous tapez.</translation>
    </message>
    <message>
        <source>Keyboard, screen readers and more files</source>
        <translation>Clavier, lecteurs d’écran et autres fichiers</translation>
    </message>
    <message>
        <source>Key</source>
        <comment>section keyboard</comment>
        <translation>Touche</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Ce qu’elle fait</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Tab&lt;/kbd&gt;</source>
        <translation>&lt;kbd&gt;Tab&lt;/kbd&gt;</translation>
    </message>
    <message>
        <source>moves through the file box, Select File, the password, Show, Suggest, the buttons and the four pictures, in that order</source>
        <translation>passe, dans cet ordre, par la zone du fichier, Choisir un fichier, le mot de passe, Afficher, Suggérer, les boutons et les quatre images</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Space&lt;/kbd&gt; or &lt;kbd&gt;Enter&lt;/kbd&gt;</source>
        <translation>&lt;kbd&gt;Espace&lt;/kbd&gt; ou &lt;kbd&gt;Entrée&lt;/kbd&gt;</translation>
    </message>
    <message>
        <source>presses the button or picture that has the focus</source>
        <translation>actionne le bouton ou l’image qui a le focus</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Enter&lt;/kbd&gt; in the file box</source>
        <translation>&lt;kbd&gt;Entrée&lt;/kbd&gt; dans la zone du fichier</translation>
    </message>
    <message>
        <source>takes the path you typed there, as if you had chosen it</source>
        <translation>prend le chemin que vous y avez tapé, comme si vous l’aviez choisi</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Enter&lt;/kbd&gt; in the password box</source>
        <translation>&lt;kbd&gt;Entrée&lt;/kbd&gt; dans la zone du mot de passe</translation>
    </message>
    <message>
        <source>presses Encrypt or Decrypt</source>
        <translation>actionne Chiffrer ou Déchiffrer</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Esc&lt;/kbd&gt;</source>
        <translation>&lt;kbd&gt;Échap&lt;/kbd&gt;</translation>
    </message>
    <message>
        <source>cancels a running encryption or decryption</source>
        <translation>annule un chiffrement ou un déchiffrement en cours</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;F1&lt;/kbd&gt;</source>
        <translation>&lt;kbd&gt;F1&lt;/kbd&gt;</translation>
    </message>
    <message>
        <source>opens this help page, with the desktop's program for web pages or, where there is none, in a window of Ardentis</source>
        <translation>ouvre cette page d’aide, avec le programme du bureau pour les pages web ou, s’il n’y en a pas, dans une fenêtre d’Ardentis</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;Q&lt;/kbd&gt;</source>
        <translation>&lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;Q&lt;/kbd&gt;</translation>
    </message>
    <message>
        <source>closes Ardentis (a running job is cancelled first and the file left as it was)</source>
        <translation>ferme Ardentis (un travail en cours est d’abord annulé et le fichier laissé tel qu’il était)</translation>
    </message>
    <message>
        <source>Every control has a name that screen readers announce; the sound picture says whether sounds are on or off.</source>
        <translation>Chaque élément a un nom que les lecteurs d’écran annoncent&amp;nbsp;; l’image du haut-parleur dit si les sons sont activés ou non.</translation>
    </message>
    <message>
        <source>Only one copy of Ardentis runs at a time. Opening a file with Ardentis while it already runs hands the file to the running window, which comes to the front and selects it (several files too); if the window is busy with a job or a dialog, it says so and leaves its own files alone, and the note goes when the job ends. The hand-over stays among your own programs: it goes through a folder only you can open, and the running window listens to no other user.</source>
        <translation>Une seule instance d’Ardentis fonctionne à la fois. Ouvrir un fichier avec Ardentis alors qu’il fonctionne déjà transmet le fichier à la fenêtre ouverte, qui passe au premier plan et le sélectionne (plusieurs fichiers aussi)&amp;nbsp;; si la fenêtre est occupée par un travail ou une boîte de dialogue, elle le dit et garde ses propres fichiers, et la note disparaît quand le travail se termine. La transmission reste entre vos propres programmes&amp;nbsp;: elle passe par un dossier que vous seul pouvez ouvrir, et la fenêtre ouverte n’écoute aucun autre utilisateur.</translation>
    </message>
    <message>
        <source>Any file name your system allows can be chosen, one written in an older character set too. Letters of such a name that are not UTF-8 are shown as a code, for example &lt;code&gt;caf\xE9.txt&lt;/code&gt;; the file keeps its name.</source>
        <translation>Tout nom de fichier que votre système admet peut être choisi, y compris un nom écrit dans un jeu de caractères plus ancien. Les lettres d’un tel nom qui ne sont pas en UTF-8 s’affichent sous forme de code, par exemple &lt;code&gt;caf\xE9.txt&lt;/code&gt;&amp;nbsp;; le fichier garde son nom.</translation>
    </message>
    <message>
        <source>With a dark desktop theme the window's coloured texts turn lighter so that they stay easy to read, the password box turns dark yellow with light text, and the speaker and information pictures are drawn in light colours; on high-resolution screens the pictures are drawn at full sharpness.</source>
        <translation>Avec un thème de bureau sombre, les textes en couleur de la fenêtre s’éclaircissent pour rester faciles à lire, la zone du mot de passe devient jaune foncé avec un texte clair, et les images du haut-parleur et des informations sont dessinées en couleurs claires&amp;nbsp;; sur les écrans haute résolution, les images sont dessinées avec toute leur netteté.</translation>
    </message>
    <message>
        <source>Inside an encrypted file</source>
        <translation>L’intérieur d’un fichier chiffré</translation>
    </message>
    <message>
        <source>An encrypted file holds, in this order:</source>
        <translation>Un fichier chiffré contient, dans cet ordre&amp;nbsp;:</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>What it is</source>
        <translation>Ce que c’est</translation>
    </message>
    <message>
        <source>A short header</source>
        <translation>Un court en-tête</translation>
    </message>
    <message>
        <source>a marker that identifies the file as encrypted (the letters &lt;code&gt;xjeS&lt;/code&gt;), the original file's extension and attributes (such as read-only), and a random seed drawn afresh from the system's random source for every encryption</source>
        <translation>une marque qui identifie le fichier comme chiffré (les lettres &lt;code&gt;xjeS&lt;/code&gt;), l’extension et les attributs du fichier d’origine (comme la lecture seule), et une graine aléatoire tirée à nouveau de la source d’aléa du système pour chaque chiffrement</translation>
    </message>
    <message>
        <source>A password check</source>
        <translation>Une vérification du mot de passe</translation>
    </message>
    <message>
        <source>32 bytes computed from the password and the seed; Ardentis compares them with your password before it decrypts anything</source>
        <translation>32 octets calculés à partir du mot de passe et de la graine&amp;nbsp;; Ardentis les compare à votre mot de passe avant de déchiffrer quoi que ce soit</translation>
    </message>
    <message>
        <source>The data</source>
        <translation>Les données</translation>
    </message>
    <message>
        <source>your file's content, XORed in 32-byte blocks with keys derived from the password through SHA-256; every block gets its own key</source>
        <translation>le contenu de votre fichier, combiné par XOR, en blocs de 32 octets, avec des clés dérivées du mot de passe par SHA-256&amp;nbsp;; chaque bloc a sa propre clé</translation>
    </message>
    <message>
        <source>Because of the random seed, encrypting the same file twice with the same password gives two different encrypted files. The seed is also chosen so that no block of any file is ever encrypted with a key that an encrypted file stores as its password check.</source>
        <translation>Grâce à la graine aléatoire, chiffrer deux fois le même fichier avec le même mot de passe donne deux fichiers chiffrés différents. La graine est en outre choisie de sorte qu’aucun bloc d’aucun fichier ne soit jamais chiffré avec une clé qu’un fichier chiffré conserve comme vérification de son mot de passe.</translation>
    </message>
    <message>
        <source>What the format does not protect</source>
        <translation>Ce que le format ne protège pas</translation>
    </message>
    <message>
        <source>The encrypted format is kept exactly as it is so that files encrypted earlier can still be decrypted. That compatibility has a price, and you should know it:</source>
        <translation>Le format chiffré est conservé exactement tel quel, pour que les fichiers chiffrés auparavant puissent toujours être déchiffrés. Cette compatibilité a un prix, et vous devez le connaître&amp;nbsp;:</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Guessing passwords offline.&lt;/strong&gt; The password check is stored in the file. Someone who has a copy of the encrypted file can test guesses against it on their own computer, quickly and as often as they like. Only a long, unguessable password gives real protection: use the full 26 characters, mixing unrelated words, digits and symbols.</source>
        <translation>&lt;strong&gt;Deviner les mots de passe hors ligne.&lt;/strong&gt; La vérification du mot de passe est stockée dans le fichier. Quelqu’un qui possède une copie du fichier chiffré peut y tester des essais sur son propre ordinateur, rapidement et aussi souvent qu’il le veut. Seul un mot de passe long et impossible à deviner protège vraiment&amp;nbsp;: utilisez les 26 caractères, en mêlant des mots sans rapport, des chiffres et des symboles.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Some bits are not hidden.&lt;/strong&gt; The last key byte of each 32-byte block carries only 4 bits of key. The upper 4 bits of every 32nd plain byte are therefore visible in the encrypted file.</source>
        <translation>&lt;strong&gt;Certains bits ne sont pas cachés.&lt;/strong&gt; Le dernier octet de clé de chaque bloc de 32 octets ne porte que 4 bits de clé. Les 4 bits de poids fort de chaque 32&lt;sup&gt;e&lt;/sup&gt; octet en clair sont donc visibles dans le fichier chiffré.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;No tamper detection.&lt;/strong&gt; Nothing in the format notices changes. If someone alters an encrypted file, it decrypts to altered content without any warning.</source>
        <translation>&lt;strong&gt;Aucune détection des altérations.&lt;/strong&gt; Rien dans le format ne remarque les modifications. Si quelqu’un altère un fichier chiffré, il se déchiffre en un contenu altéré, sans aucun avertissement.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Size and name stay visible.&lt;/strong&gt; The encrypted file keeps the original name, and its size is the original size plus a small header.</source>
        <translation>&lt;strong&gt;La taille et le nom restent visibles.&lt;/strong&gt; Le fichier chiffré garde le nom d’origine, et sa taille est la taille d’origine plus un petit en-tête.</translation>
    </message>
    <message>
        <source>If you need strong protection, use a modern tool with authenticated encryption as well, for example on top of a file Ardentis encrypted.</source>
        <translation>Si vous avez besoin d’une protection forte, utilisez en plus un outil moderne à chiffrement authentifié, par exemple par-dessus un fichier qu’Ardentis a chiffré.</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Ardentis plays short sound cues: when a run starts, when it succeeds, when it is cancelled, and when you click a button. Click the speaker image to turn the cues off or on. The speaker with waves means sounds are on; the speaker with a cross means they are off. Your choice is remembered.</source>
        <translation>Ardentis joue de courts signaux sonores&amp;nbsp;: quand une opération commence, quand elle réussit, quand elle est annulée, et quand vous cliquez sur un bouton. Cliquez sur l’image du haut-parleur pour couper ou rétablir les signaux. Le haut-parleur avec des ondes signifie que les sons sont activés&amp;nbsp;; le haut-parleur barré d’une croix, qu’ils sont coupés. Votre choix est mémorisé.</translation>
    </message>
    <message>
        <source>The information window</source>
        <translation>La fenêtre d’informations</translation>
    </message>
    <message>
        <source>The &lt;strong&gt;i&lt;/strong&gt; image opens the information window, which shows the program's version and its maker, Velmora Software. The &lt;strong&gt;?&lt;/strong&gt; image opens this help page.</source>
        <translation>L’image &lt;strong&gt;i&lt;/strong&gt; ouvre la fenêtre d’informations, qui indique la version du programme et son éditeur, Velmora Software. L’image &lt;strong&gt;?&lt;/strong&gt; ouvre cette page d’aide.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Ardentis keeps its few settings for each user in &lt;code&gt;~/.config/Velmora Software/Corvane/xjf_app.ini&lt;/code&gt;:</source>
        <translation>Ardentis conserve ses quelques réglages, pour chaque utilisateur, dans &lt;code&gt;~/.config/Velmora Software/Corvane/xjf_app.ini&lt;/code&gt;&amp;nbsp;:</translation>
    </message>
    <message>
        <source>Key</source>
        <comment>section settings</comment>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Signification</translation>
    </message>
    <message>
        <source>where the settings file itself lives</source>
        <translation>l’emplacement du fichier de réglages lui-même</translation>
    </message>
    <message>
        <source>where this help page is found</source>
        <translation>l’emplacement de cette page d’aide</translation>
    </message>
    <message>
        <source>whether the sound cues are on</source>
        <translation>si les signaux sonores sont activés</translation>
    </message>
    <message>
        <source>Ardentis writes this file itself; you rarely need to edit it.</source>
        <translation>Ardentis écrit ce fichier lui-même&amp;nbsp;; vous avez rarement besoin de le modifier.</translation>
    </message>
    <message>
        <source>The command line</source>
        <translation>La ligne de commande</translation>
    </message>
    <message>
        <source>The companion program &lt;code&gt;korbit&lt;/code&gt; does the same work from a terminal and reads and writes the same encrypted files:</source>
        <translation>Le programme compagnon &lt;code&gt;korbit&lt;/code&gt; fait le même travail depuis un terminal et lit et écrit les mêmes fichiers chiffrés&amp;nbsp;:</translation>
    </message>
    <message>
        <source>It asks for the password (twice when encrypting). With &lt;code&gt;--password-stdin&lt;/code&gt; it reads the password as one line from standard input instead, which is handy in scripts. Press &lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;C&lt;/kbd&gt; to cancel; as in the window, the file is then left as it was.</source>
        <translation>Il demande le mot de passe (deux fois pour chiffrer). Avec &lt;code&gt;--password-stdin&lt;/code&gt;, il lit à la place le mot de passe sur une ligne de l’entrée standard, ce qui est pratique dans les scripts. Appuyez sur &lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;C&lt;/kbd&gt; pour annuler&amp;nbsp;; comme dans la fenêtre, le fichier reste alors tel qu’il était.</translation>
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
        <translation>Chiffrement de fichiers</translation>
    </message>
    <message>
        <source>Encrypt or decrypt a file in place with a password</source>
        <translation>Chiffrer ou déchiffrer un fichier sur place avec un mot de passe</translation>
    </message>
    <message>
        <source>encrypt;decrypt;password;lock;security;corvane;</source>
        <translation>chiffrer;déchiffrer;crypter;décrypter;mot de passe;verrouiller;sécurité;corvane;</translation>
    </message>
    <message>
        <source>Encrypt with Corvane</source>
        <translation>Chiffrer avec Corvane</translation>
    </message>
    <message>
        <source>Encrypt the file in place with a password</source>
        <translation>Chiffrer le fichier sur place avec un mot de passe</translation>
    </message>
    <message>
        <source>Decrypt with Corvane</source>
        <translation>Déchiffrer avec Corvane</translation>
    </message>
    <message>
        <source>Decrypt the file in place with a password</source>
        <translation>Déchiffrer le fichier sur place avec un mot de passe</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Encrypt or decrypt a file in place with a password</source>
        <translation>Chiffrer ou déchiffrer un fichier sur place avec un mot de passe</translation>
    </message>
</context>
</TS>
