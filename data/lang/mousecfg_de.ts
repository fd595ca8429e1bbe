<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DeviceSession</name>
    <message>
        <source>Mouse battery low: %1%</source>
        <translation>Akku der Maus schwach: %1 %</translation>
    </message>
</context>
<context>
    <name>FileProblems</name>
    <message>
        <source>Could not be read (kept as &lt;name&gt;.unreadable-&lt;date&gt;): %1</source>
        <translation>Nicht lesbar (aufbewahrt als &lt;Name&gt;.unreadable-&lt;Datum&gt;): %1</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Fehlend: %1</translation>
    </message>
    <message>
        <source>Profile names that cannot be file names: %1</source>
        <translation>Profilnamen, die keine Dateinamen sein können: %1</translation>
    </message>
    <message>
        <source>Profiles loaded with the factory settings: %1</source>
        <translation>Mit Werkseinstellungen geladene Profile: %1</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>Nicht schreibbar: %1</translation>
    </message>
    <message>
        <source>Links out of the settings folder, replaced by files: %1</source>
        <translation>Verknüpfungen aus dem Einstellungsordner hinaus, durch Dateien ersetzt: %1</translation>
    </message>
    <message>
        <source>Not written, behind a link out of the settings folder: %1</source>
        <translation>Nicht geschrieben, hinter einer Verknüpfung aus dem Einstellungsordner hinaus: %1</translation>
    </message>
    <message>
        <source>%1 could not be read. It was kept as %2.</source>
        <translation>%1 konnte nicht gelesen werden. Die Datei wurde als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 fehlt.</translation>
    </message>
    <message>
        <source>%1 names the profile &quot;%2&quot;, which cannot be used as a file name.</source>
        <translation>%1 nennt das Profil „%2“, dessen Name kein Dateiname sein kann.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 was a link out of the settings folder. A file was written in its place.</source>
        <translation>%1 war eine Verknüpfung aus dem Einstellungsordner hinaus. An ihrer Stelle wurde eine Datei geschrieben.</translation>
    </message>
    <message>
        <source>%1 lies behind a link out of the settings folder. It was not written.</source>
        <translation>%1 liegt hinter einer Verknüpfung aus dem Einstellungsordner hinaus. Die Datei wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>Profile %1 was loaded with the factory settings.</source>
        <translation>Profil %1 wurde mit den Werkseinstellungen geladen.</translation>
    </message>
    <message>
        <source>Settings folder: %1</source>
        <translation>Einstellungsordner: %1</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>LCtr</source>
        <translation>Strg links</translation>
    </message>
    <message>
        <source>RCtr</source>
        <translation>Strg rechts</translation>
    </message>
    <message>
        <source>LShift</source>
        <translation>Umschalt links</translation>
    </message>
    <message>
        <source>RShift</source>
        <translation>Umschalt rechts</translation>
    </message>
    <message>
        <source>LAlt</source>
        <translation>Alt links</translation>
    </message>
    <message>
        <source>RAlt</source>
        <translation>Alt Gr</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>Num De</source>
        <translation>Num Entf</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Pause Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Pfeil oben</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Pfeil links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Pfeil rechts</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Pfeil unten</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>LWindows</source>
        <translation>Windows links</translation>
    </message>
    <message>
        <source>RWindows</source>
        <translation>Windows rechts</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Num Enter</source>
        <translation>Num Eingabe</translation>
    </message>
    <message>
        <source>Left Button</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>Middle Button</source>
        <translation>Mittlere Maustaste</translation>
    </message>
</context>
<context>
    <name>KroBtnWindow</name>
    <message>
        <source>Left</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>EINZELTASTE</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>TASTENKOMBINATION</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>FEUERTASTE</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Taste aus</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles markieren</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Fenster wechseln</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>PC sperren</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser-Startseite</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Browser zurück</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser vorwärts</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Laden abbrechen</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Seite neu laden</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Websuche</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Mediaplayer</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI-Wechsel</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>Abfragerate +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Abfragerate -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Nach oben scrollen</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Beleuchtung ein/aus</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profil +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profil -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Profilwechsel</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Chef-Taste</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>Abfragerate wechseln</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Makroverwaltung</translation>
    </message>
    <message>
        <source>%1 (hold)</source>
        <translation>%1 (halten)</translation>
    </message>
    <message>
        <source>%1 (toggle)</source>
        <translation>%1 (umschalten)</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Profilmenü</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>MAKROAUSWAHL</translation>
    </message>
    <message>
        <source>The macro has more than %1 events; the button keeps the first %1.</source>
        <translation>Das Makro hat mehr als %1 Ereignisse; die Taste behält nur die ersten %1.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; cannot be read.</source>
        <translation>Das Makro „%1“ kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>KroColorArea</name>
    <message>
        <source>R </source>
        <translation>R </translation>
    </message>
    <message>
        <source>G </source>
        <translation>G </translation>
    </message>
    <message>
        <source>B </source>
        <translation>B </translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>ANWENDEN</translation>
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
        <source>Color Edit</source>
        <translation>Farbe bearbeiten</translation>
    </message>
    <message>
        <source>H </source>
        <translation>H </translation>
    </message>
    <message>
        <source>S </source>
        <translation>S </translation>
    </message>
    <message>
        <source>V </source>
        <translation>V </translation>
    </message>
</context>
<context>
    <name>KroColorWindow</name>
    <message>
        <source> MINUTE</source>
        <translation> MINUTE(N)</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFEKT</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>HELLIGKEIT</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>GESCHWINDIGKEIT</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>RUHEZUSTAND NACH</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>BEI BEWEGUNG AUFWECKEN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>DAUERLICHT</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>ATMEN</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>7-FARBEN-ATMEN</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>REGENBOGEN</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>BLINKEN</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>Welle horizontal</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>Spurlos horizontal</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Regentropfen</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>WELLE</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>SPURLOS</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>REAKTIV</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>Jo-Jo</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Murmeln</translation>
    </message>
</context>
<context>
    <name>KroComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Hold the modifiers and press the key</source>
        <translation>Halten Sie die Zusatztasten gedrückt und drücken Sie die Taste</translation>
    </message>
</context>
<context>
    <name>KroDPIWindow</name>
    <message>
        <source> MINUTE</source>
        <translation> MIN.</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>STANDBY</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>BEI BEWEGUNG AN</translation>
    </message>
</context>
<context>
    <name>KroFireKeyWindow</name>
    <message>
        <source>Left</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Tastaturtaste</translation>
    </message>
    <message>
        <source>FireKey Setting</source>
        <translation>Feuertaste einstellen</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Schüsse</translation>
    </message>
    <message>
        <source>Delay(ms)</source>
        <translation>Verzögerung (ms)</translation>
    </message>
</context>
<context>
    <name>KroGunsetDialog</name>
    <message>
        <source>VERTICAL</source>
        <translation>VERTIKAL</translation>
    </message>
    <message>
        <source>HORIZONTAL</source>
        <translation>HORIZONTAL</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>VERZÖGERUNG (MS)</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>WAFFENPROFIL</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>PROFILNAME</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>SCHÜSSE</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Bitte geben Sie einen Dateinamen ein.</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name.</source>
        <translation>Dieser Name kann nicht als Dateiname verwendet werden.</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>ZU VIELE MAKROS, KEIN WEITERES MÖGLICH!</translation>
    </message>
</context>
<context>
    <name>KroMacroSelect</name>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>WIEDERHOLUNGEN (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>WIEDERHOLEN, SOLANGE GEDRÜCKT</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>WIEDERHOLEN BIS ERNEUT GEDRÜCKT</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MAKRO</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>Makro auswählen</translation>
    </message>
</context>
<context>
    <name>KroMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>KroPointSpeed</name>
    <message>
        <source>Mouse Setting</source>
        <translation>Mauseinstellungen</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>Tastenreaktion</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>Synchronisation aktivieren</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>Abhebedistanz</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2 mm</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>Winkelkorrektur</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Zitterfilter</translation>
    </message>
    <message>
        <source>Motion Wake</source>
        <translation>Aufwecken durch Bewegung</translation>
    </message>
    <message>
        <source>Sensor Mode</source>
        <translation>Sensormodus</translation>
    </message>
    <message>
        <source>Eco</source>
        <translation>Sparmodus</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Competitive</source>
        <translation>Wettkampf</translation>
    </message>
    <message>
        <source>Scroll Lines</source>
        <translation>Zeilen pro Raste</translation>
    </message>
    <message>
        <source>Mouse Properties</source>
        <translation>Mauseigenschaften</translation>
    </message>
    <message>
        <source>No mouse settings tool of the desktop was found.</source>
        <translation>Auf diesem Desktop wurde kein Programm für die Mauseinstellungen gefunden.</translation>
    </message>
</context>
<context>
    <name>KroReportRate</name>
    <message>
        <source>125 HZ</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 Hz</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>ABFRAGERATE</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Abhebedistanz</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
</context>
<context>
    <name>KroSingleDPI</name>
    <message>
        <source>Link XY</source>
        <translation>X und Y koppeln</translation>
    </message>
</context>
<context>
    <name>KroSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>Einzeltaste</translation>
    </message>
    <message>
        <source>Press the key for this button</source>
        <translation>Drücken Sie die Taste für diese Maustaste</translation>
    </message>
</context>
<context>
    <name>KroSkinDialog</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>KroSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>Sniper-Einstellung</translation>
    </message>
</context>
<context>
    <name>KroTreeWidget</name>
    <message>
        <source>MOUSE ACTION</source>
        <translation>MAUSAKTION</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>DRÜCKEN</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>LOSLASSEN</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Press</source>
        <translation>Drücken</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Loslassen</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Makrodatei (*.MSMACRO)</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEU</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>UMBENENNEN</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>BEARBEITEN</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>GANZ OBEN</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>GANZ UNTEN</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>NACH OBEN</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>NACH UNTEN</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>LEEREN</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>+ PAUSE</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>WAFFENPROFIL</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>DURCHLÄUFE 1-255</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>SOLANGE GEDRÜCKT</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>BIS ERNEUT GEDRÜCKT</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>STAPEL</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>MAKRONAME</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>MAUSBEFEHL</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>VERZÖGERUNGEN AUFZEICHNEN</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>FESTE VERZÖGERUNG</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TASTE</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>AKTION</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>VERZÖGERUNG (ms)</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>BEWEGUNG</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANZ</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>VERZÖGERUNG</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>THE MACRO COULD NOT BE SAVED.</source>
        <translation>DAS MAKRO KONNTE NICHT GESPEICHERT WERDEN.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>ZU VIELE MAKROS, KEIN WEITERES MÖGLICH!</translation>
    </message>
    <message>
        <source>THIS NAME CANNOT BE USED FOR A MACRO.</source>
        <translation>DIESER NAME KANN FÜR KEIN MAKRO VERWENDET WERDEN.</translation>
    </message>
    <message>
        <source>THE MACRO COULD NOT BE RENAMED.</source>
        <translation>DAS MAKRO KONNTE NICHT UMBENANNT WERDEN.</translation>
    </message>
    <message>
        <source>THIS MACRO IS USED BY %1. DELETE IT AND GIVE THESE BUTTONS THEIR DEFAULT FUNCTION?</source>
        <translation>DIESES MAKRO WIRD VERWENDET VON %1. MAKRO LÖSCHEN UND DIESEN TASTEN IHRE STANDARDFUNKTION ZURÜCKGEBEN?</translation>
    </message>
    <message>
        <source>PROFILE %1 BUTTON %2</source>
        <translation>PROFIL %1 TASTE %2</translation>
    </message>
    <message>
        <source>PROFILE %1 SIDE BUTTON %2</source>
        <translation>PROFIL %1 SEITENTASTE %2</translation>
    </message>
    <message>
        <source>PROFILE %1 SCROLL UP</source>
        <translation>PROFIL %1 SCROLLEN HOCH</translation>
    </message>
    <message>
        <source>PROFILE %1 SCROLL DOWN</source>
        <translation>PROFIL %1 SCROLLEN RUNTER</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Makrodatei laden</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>Makro existiert bereits!</translation>
    </message>
    <message>
        <source>THIS FILE IS NOT A MACRO FILE.</source>
        <translation>DIESE DATEI IST KEINE MAKRODATEI.</translation>
    </message>
    <message>
        <source>A MACRO HOLDS AT MOST 63 EVENTS; THE REST WAS LEFT OUT.</source>
        <translation>EIN MAKRO FASST HÖCHSTENS 63 EREIGNISSE; DER REST WURDE WEGGELASSEN.</translation>
    </message>
    <message>
        <source>THESE FILES WERE NOT IMPORTED: %1</source>
        <translation>DIESE DATEIEN WURDEN NICHT IMPORTIERT: %1</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Makrodatei speichern</translation>
    </message>
    <message>
        <source>THESE MACROS WERE NOT EXPORTED: %1</source>
        <translation>DIESE MAKROS WURDEN NICHT EXPORTIERT: %1</translation>
    </message>
    <message>
        <source>A MACRO HOLDS AT MOST 63 EVENTS.</source>
        <translation>EIN MAKRO FASST HÖCHSTENS 63 EREIGNISSE.</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>MINDESTENS EINE TASTE WURDE NICHT LOSGELASSEN.</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>LINKSKLICK</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MITTELKLICK</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RECHTSKLICK</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>VORWÄRTS</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>NACH LINKS</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>NACH RECHTS</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIEREN</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>AUSSCHNEIDEN</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>EINFÜGEN</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>RÜCKGÄNGIG</translation>
    </message>
    <message>
        <source>REDO</source>
        <translation>WIEDERHOLEN</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>+ AUFNAHME</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 Hz</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Empfänger nicht verbunden!</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Zum Aktualisieren der Firmware verbinden Sie die Maus bitte per Kabel mit dem Computer.</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Möchten Sie die Firmware aktualisieren?</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>Das Firmware-Update-Programm konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>MINDESTENS EINE KLICKFUNKTION MUSS ERHALTEN BLEIBEN.</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Zum Übernehmen Eingabetaste drücken</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>ZURÜCKSETZEN</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>HINZUFÜGEN</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIEREN</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Alles zurücksetzen</translation>
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
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>LADEN</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>BELEUCHTUNG</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>TASTEN</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MAKRO</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>MousecfgWidget</source>
        <translation>MousecfgWidget</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Profildatei laden</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Profildatei speichern</translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Dieses Profil wird bereits verwendet!</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>MINDESTENS EIN PROFIL MUSS ERHALTEN BLEIBEN.</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>Das Standardprofil kann weder gelöscht noch umbenannt werden.</translation>
    </message>
    <message>
        <source>This profile cannot be deleted.</source>
        <translation>Dieses Profil kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Möchten Sie dieses Profil wirklich löschen?</translation>
    </message>
    <message>
        <source>This name cannot be used for a profile.</source>
        <translation>Dieser Name kann für kein Profil verwendet werden.</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Profil existiert bereits!</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Die Maus schläft oder ist nicht verbunden.</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Senden der Daten fehlgeschlagen, bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Möchten Sie dieses Profil wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Möchten Sie wirklich alle Profile zurücksetzen?</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Profildatei speichern</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Profildatei (*.prof)</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Profildatei laden</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>Diese Datei passt nicht zur aktuellen Maus!</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Konfigurationsdatei (*.conf)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Konfiguration laden</translation>
    </message>
    <message>
        <source>Not sent: the mouse is sleeping or not connected</source>
        <translation>Nicht gesendet: Die Maus schläft oder ist nicht verbunden</translation>
    </message>
    <message>
        <source>Sending failed</source>
        <translation>Senden fehlgeschlagen</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>Nichts geändert</translation>
    </message>
    <message>
        <source>mouse settings</source>
        <translation>Mauseinstellungen</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>buttons</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Sent to the mouse: %1</source>
        <translation>An die Maus gesendet: %1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existiert bereits. Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>StatusDisplay</name>
    <message>
        <source>MOUSE OFF</source>
        <translation>MAUS AUS</translation>
    </message>
    <message>
        <source>Battery level not known yet</source>
        <translation>Akkustand noch unbekannt</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Konfiguration öffnen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>mousecfg is already running: its window was brought to the front.</source>
        <translation>mousecfg läuft bereits: Sein Fenster wurde in den Vordergrund geholt.</translation>
    </message>
    <message>
        <source>mousecfg is already running.</source>
        <translation>mousecfg läuft bereits.</translation>
    </message>
</context>
</TS>
