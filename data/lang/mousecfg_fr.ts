<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DeviceSession</name>
    <message>
        <source>Mouse battery low: %1%</source>
        <translation>Batterie de la souris faible : %1 %</translation>
    </message>
</context>
<context>
    <name>FileProblems</name>
    <message>
        <source>Could not be read (kept as &lt;name&gt;.unreadable-&lt;date&gt;): %1</source>
        <translation>Illisibles (conservés sous &lt;nom&gt;.unreadable-&lt;date&gt;) : %1</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Manquants : %1</translation>
    </message>
    <message>
        <source>Profile names that cannot be file names: %1</source>
        <translation>Noms de profil inutilisables comme noms de fichier : %1</translation>
    </message>
    <message>
        <source>Profiles loaded with the factory settings: %1</source>
        <translation>Profils chargés avec les réglages d&apos;usine : %1</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>Impossibles à écrire : %1</translation>
    </message>
    <message>
        <source>Links out of the settings folder, replaced by files: %1</source>
        <translation>Liens hors du dossier des réglages, remplacés par des fichiers : %1</translation>
    </message>
    <message>
        <source>Not written, behind a link out of the settings folder: %1</source>
        <translation>Non écrits, derrière un lien hors du dossier des réglages : %1</translation>
    </message>
    <message>
        <source>%1 could not be read. It was kept as %2.</source>
        <translation>%1 est illisible. Il a été conservé sous %2.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 est manquant.</translation>
    </message>
    <message>
        <source>%1 names the profile &quot;%2&quot;, which cannot be used as a file name.</source>
        <translation>%1 nomme le profil « %2 », inutilisable comme nom de fichier.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>%1 was a link out of the settings folder. A file was written in its place.</source>
        <translation>%1 était un lien hors du dossier des réglages. Un fichier a été écrit à sa place.</translation>
    </message>
    <message>
        <source>%1 lies behind a link out of the settings folder. It was not written.</source>
        <translation>%1 se trouve derrière un lien hors du dossier des réglages. Il n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>Profile %1 was loaded with the factory settings.</source>
        <translation>Le profil %1 a été chargé avec les réglages d&apos;usine.</translation>
    </message>
    <message>
        <source>Settings folder: %1</source>
        <translation>Dossier des réglages : %1</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>LCtr</source>
        <translation>Ctrl gauche</translation>
    </message>
    <message>
        <source>RCtr</source>
        <translation>Ctrl droite</translation>
    </message>
    <message>
        <source>LShift</source>
        <translation>Maj gauche</translation>
    </message>
    <message>
        <source>RShift</source>
        <translation>Maj droite</translation>
    </message>
    <message>
        <source>LAlt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>RAlt</source>
        <translation>Alt Gr</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>Verr. Maj</translation>
    </message>
    <message>
        <source>Num De</source>
        <translation>Num Suppr</translation>
    </message>
    <message>
        <source>LCtrl</source>
        <translation>Ctrl gauche</translation>
    </message>
    <message>
        <source>RCtrl</source>
        <translation>Ctrl droite</translation>
    </message>
    <message>
        <source>Verr.maj</source>
        <translation>Verr. Maj</translation>
    </message>
    <message>
        <source>Entree</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Echap</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>espace</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Ret.arr</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Num Del</source>
        <translation>Num Suppr</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Impr. écran</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Pause Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Arrêt défil.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page préc.</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page suiv.</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>LWindows</source>
        <translation>Windows gauche</translation>
    </message>
    <message>
        <source>RWindows</source>
        <translation>Windows droite</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Verr. Num</translation>
    </message>
    <message>
        <source>Num Enter</source>
        <translation>Num Entrée</translation>
    </message>
    <message>
        <source>Left Button</source>
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation>Bouton droit</translation>
    </message>
    <message>
        <source>Middle Button</source>
        <translation>Bouton du milieu</translation>
    </message>
</context>
<context>
    <name>KroBtnWindow</name>
    <message>
        <source>Left</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Clic milieu</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>TOUCHE SIMPLE</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>COMBINAISON</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>TIR RAPIDE</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Bouton désactivé</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Changer de fenêtre</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>Verrouiller le PC</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Accueil du navigateur</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Arrêter le chargement</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Actualiser la page</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Recherche web</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Courrier</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Lecteur multimédia</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>Cycle DPI</translation>
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
        <translation>Fréquence +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Fréquence -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Défilement haut</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Défilement bas</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Éclairage on/off</translation>
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
        <translation>Changer de profil</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Touche patron</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>Cycle fréquence</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Gestion des macros</translation>
    </message>
    <message>
        <source>%1 (hold)</source>
        <translation>%1 (maintenu)</translation>
    </message>
    <message>
        <source>%1 (toggle)</source>
        <translation>%1 (bascule)</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Fréquence d&apos;interrogation</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Menu des profils</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>CHOIX DE LA MACRO</translation>
    </message>
    <message>
        <source>The macro has more than %1 events; the button keeps the first %1.</source>
        <translation>La macro compte plus de %1 événements ; le bouton ne garde que les %1 premiers.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; cannot be read.</source>
        <translation>Impossible de lire la macro « %1 ».</translation>
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
        <translation>V </translation>
    </message>
    <message>
        <source>B </source>
        <translation>B </translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>APPLIQUER</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>Modifier la couleur</translation>
    </message>
    <message>
        <source>H </source>
        <translation>T </translation>
    </message>
    <message>
        <source>S </source>
        <translation>S </translation>
    </message>
    <message>
        <source>V </source>
        <translation>L </translation>
    </message>
</context>
<context>
    <name>KroColorWindow</name>
    <message>
        <source> MINUTE</source>
        <translation> MINUTE(S)</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFET</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>LUMINOSITÉ</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>VITESSE</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COULEUR</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>MISE EN VEILLE</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>BOUGER POUR RALLUMER</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ÉTEINT</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>ALLUMAGE FIXE</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>RESPIRATION</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>RESPIRATION 7 COULEURS</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>ARC-EN-CIEL</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>CLIGNOTEMENT</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>Vague horizontale</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>Passage fugace horizontal</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Gouttes de pluie</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>VAGUE</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>PASSAGE FUGACE</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>RÉACTIF</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>Yo-yo</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Billes</translation>
    </message>
</context>
<context>
    <name>KroComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Hold the modifiers and press the key</source>
        <translation>Maintenez les modificateurs et appuyez sur la touche</translation>
    </message>
</context>
<context>
    <name>KroDPIWindow</name>
    <message>
        <source> MINUTE</source>
        <translation> MIN</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>VEILLE</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>LED AU MOUVEMENT</translation>
    </message>
</context>
<context>
    <name>KroFireKeyWindow</name>
    <message>
        <source>Left</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Clic milieu</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Touche du clavier</translation>
    </message>
    <message>
        <source>FireKey Setting</source>
        <translation>Réglage du tir rapide</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Tirs</translation>
    </message>
    <message>
        <source>Delay(ms)</source>
        <translation>Délai (ms)</translation>
    </message>
</context>
<context>
    <name>KroGunsetDialog</name>
    <message>
        <source>VERTICAL</source>
        <translation>VERTICAL</translation>
    </message>
    <message>
        <source>HORIZONTAL</source>
        <translation>HORIZONTAL</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>DÉLAI (MS)</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>RÉGLAGE D&apos;ARME</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>NOM DE L&apos;ARME</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>BALLES</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Veuillez saisir un nom de fichier.</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name.</source>
        <translation>Ce nom ne peut pas servir de nom de fichier.</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TROP DE MACROS, IMPOSSIBLE D&apos;EN CRÉER UNE AUTRE !</translation>
    </message>
</context>
<context>
    <name>KroMacroSelect</name>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>NOMBRE DE RÉPÉTITIONS (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>RÉPÉTER TANT QUE MAINTENU</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>RÉPÉTER JUSQU&apos;À NOUVEL APPUI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>Choisissez une macro</translation>
    </message>
</context>
<context>
    <name>KroMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
</context>
<context>
    <name>KroPointSpeed</name>
    <message>
        <source>Mouse Setting</source>
        <translation>Réglages de la souris</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>Réponse des touches</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>Activer la synchronisation</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>Hauteur LOD</translation>
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
        <translation>Correction d&apos;angle</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Filtre anti-tremblement</translation>
    </message>
    <message>
        <source>Motion Wake</source>
        <translation>Réveil au mouvement</translation>
    </message>
    <message>
        <source>Sensor Mode</source>
        <translation>Mode du capteur</translation>
    </message>
    <message>
        <source>Eco</source>
        <translation>Éco</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Competitive</source>
        <translation>Compétition</translation>
    </message>
    <message>
        <source>Scroll Lines</source>
        <translation>Lignes par cran</translation>
    </message>
    <message>
        <source>Mouse Properties</source>
        <translation>Propriétés de la souris</translation>
    </message>
    <message>
        <source>No mouse settings tool of the desktop was found.</source>
        <translation>Aucun outil de réglage de la souris n&apos;a été trouvé sur ce bureau.</translation>
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
        <translation>FRÉQUENCE</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Distance de levée</translation>
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
        <translation>Lier X et Y</translation>
    </message>
</context>
<context>
    <name>KroSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>Touche simple</translation>
    </message>
    <message>
        <source>Press the key for this button</source>
        <translation>Appuyez sur la touche à attribuer à ce bouton</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>KroSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>Réglage sniper</translation>
    </message>
</context>
<context>
    <name>KroTreeWidget</name>
    <message>
        <source>MOUSE ACTION</source>
        <translation>ACTION SOURIS</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>APPUI</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>RELÂCHEMENT</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Press</source>
        <translation>Appui</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Relâchement</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Fichier de macro (*.MSMACRO)</translation>
    </message>
    <message>
        <source>START</source>
        <translation>DÉMARRER</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>ARRÊTER</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NOUVELLE</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>SUPPRIMER</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>RENOMMER</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTER</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>MODIFIER</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>EN HAUT</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>EN BAS</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MONTER</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>DESCENDRE</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>EFFACER</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>+ DÉLAI</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAUVER</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>ARMES</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>BOUCLES (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>TANT QUE MAINTENU</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>JUSQU&apos;À NOUVEL APPUI</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>LOT</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>COMMANDE SOURIS</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>ENREGISTRER LES DÉLAIS</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>DÉLAI FIXE</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TOUCHE</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>DÉLAI (ms)</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>MOUVEMENT</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>DÉLAI</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>THE MACRO COULD NOT BE SAVED.</source>
        <translation>IMPOSSIBLE D&apos;ENREGISTRER LA MACRO.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ATTENTION</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TROP DE MACROS, IMPOSSIBLE D&apos;EN CRÉER UNE AUTRE !</translation>
    </message>
    <message>
        <source>THIS NAME CANNOT BE USED FOR A MACRO.</source>
        <translation>CE NOM NE PEUT PAS ÊTRE UTILISÉ POUR UNE MACRO.</translation>
    </message>
    <message>
        <source>THE MACRO COULD NOT BE RENAMED.</source>
        <translation>IMPOSSIBLE DE RENOMMER LA MACRO.</translation>
    </message>
    <message>
        <source>THIS MACRO IS USED BY %1. DELETE IT AND GIVE THESE BUTTONS THEIR DEFAULT FUNCTION?</source>
        <translation>CETTE MACRO EST UTILISÉE PAR %1. LA SUPPRIMER ET RENDRE À CES BOUTONS LEUR FONCTION PAR DÉFAUT ?</translation>
    </message>
    <message>
        <source>PROFILE %1 BUTTON %2</source>
        <translation>PROFIL %1 BOUTON %2</translation>
    </message>
    <message>
        <source>PROFILE %1 SIDE BUTTON %2</source>
        <translation>PROFIL %1 BOUTON LATÉRAL %2</translation>
    </message>
    <message>
        <source>PROFILE %1 SCROLL UP</source>
        <translation>PROFIL %1 DÉFILER VERS LE HAUT</translation>
    </message>
    <message>
        <source>PROFILE %1 SCROLL DOWN</source>
        <translation>PROFIL %1 DÉFILER VERS LE BAS</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Charger un fichier de macro</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>Cette macro existe déjà !</translation>
    </message>
    <message>
        <source>THIS FILE IS NOT A MACRO FILE.</source>
        <translation>CE FICHIER N&apos;EST PAS UN FICHIER DE MACRO.</translation>
    </message>
    <message>
        <source>A MACRO HOLDS AT MOST 63 EVENTS; THE REST WAS LEFT OUT.</source>
        <translation>UNE MACRO CONTIENT AU PLUS 63 ÉVÉNEMENTS ; LE RESTE A ÉTÉ IGNORÉ.</translation>
    </message>
    <message>
        <source>THESE FILES WERE NOT IMPORTED: %1</source>
        <translation>CES FICHIERS N&apos;ONT PAS ÉTÉ IMPORTÉS : %1</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Enregistrer le fichier de macro</translation>
    </message>
    <message>
        <source>THESE MACROS WERE NOT EXPORTED: %1</source>
        <translation>CES MACROS N&apos;ONT PAS ÉTÉ EXPORTÉES : %1</translation>
    </message>
    <message>
        <source>A MACRO HOLDS AT MOST 63 EVENTS.</source>
        <translation>UNE MACRO CONTIENT AU PLUS 63 ÉVÉNEMENTS.</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>UNE OU PLUSIEURS TOUCHES N&apos;ONT PAS ÉTÉ RELÂCHÉES.</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>CLIC GAUCHE</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>CLIC MILIEU</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>CLIC DROIT</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>SUIVANT</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>PRÉCÉDENT</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>À GAUCHE</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>À DROITE</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIER</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>COUPER</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>COLLER</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>DÉFAIRE</translation>
    </message>
    <message>
        <source>REDO</source>
        <translation>REFAIRE</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>+ ENREG.</translation>
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
        <translation>Attention</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Récepteur déconnecté !</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Pour mettre à jour le micrologiciel, reliez la souris à l&apos;ordinateur avec le câble.</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Voulez-vous mettre à jour le micrologiciel ?</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>Impossible de lancer l&apos;outil de mise à jour du micrologiciel.</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AU MOINS UN BOUTON DOIT GARDER LA FONCTION CLIC.</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Appuyez sur Entrée pour valider</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RÉINITIALISER</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>AJOUTER</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>SUPPRIMER</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIER</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Tout réinitialiser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>CHARGER</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAUVER</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>ÉCLAIRAGE</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>BOUTONS</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Dessus</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <source>MousecfgWidget</source>
        <translation>MousecfgWidget</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Charger un fichier de profil</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Enregistrer le fichier de profil</translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Ce profil est déjà utilisé !</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AU MOINS UN PROFIL DOIT ÊTRE CONSERVÉ.</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>Le profil par défaut ne peut être ni supprimé ni renommé.</translation>
    </message>
    <message>
        <source>This profile cannot be deleted.</source>
        <translation>Ce profil ne peut pas être supprimé.</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Voulez-vous vraiment supprimer ce profil ?</translation>
    </message>
    <message>
        <source>This name cannot be used for a profile.</source>
        <translation>Ce nom ne peut pas être utilisé pour un profil.</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Ce profil existe déjà !</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>La souris est en veille ou n&apos;est pas connectée.</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>L&apos;envoi des données a échoué, veuillez réessayer.</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Voulez-vous vraiment réinitialiser ce profil ?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Voulez-vous vraiment réinitialiser tous les profils ?</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Enregistrer le fichier de profil</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Fichier de profil (*.prof)</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Charger un fichier de profil</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>Ce fichier ne correspond pas à la souris actuelle !</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Enregistrer la configuration</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Fichier de configuration (*.conf)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Charger une configuration</translation>
    </message>
    <message>
        <source>Not sent: the mouse is sleeping or not connected</source>
        <translation>Non envoyé : la souris est en veille ou déconnectée</translation>
    </message>
    <message>
        <source>Sending failed</source>
        <translation>Échec de l&apos;envoi</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>Aucune modification</translation>
    </message>
    <message>
        <source>mouse settings</source>
        <translation>réglages de la souris</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>buttons</source>
        <translation>boutons</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>éclairage</translation>
    </message>
    <message>
        <source>Sent to the mouse: %1</source>
        <translation>Envoyé à la souris : %1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
</context>
<context>
    <name>StatusDisplay</name>
    <message>
        <source>MOUSE OFF</source>
        <translation>SOURIS ÉTEINTE</translation>
    </message>
    <message>
        <source>Battery level not known yet</source>
        <translation>Niveau de batterie encore inconnu</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Ouvrir la configuration</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>mousecfg is already running: its window was brought to the front.</source>
        <translation>mousecfg est déjà lancé : sa fenêtre a été mise au premier plan.</translation>
    </message>
    <message>
        <source>mousecfg is already running.</source>
        <translation>mousecfg est déjà lancé.</translation>
    </message>
</context>
</TS>
