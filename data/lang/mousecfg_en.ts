<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>DeviceSession</name>
    <message>
        <source>Mouse battery low: %1%</source>
        <translation>Mouse battery low: %1%</translation>
    </message>
</context>
<context>
    <name>FileProblems</name>
    <message>
        <source>Could not be read (kept as &lt;name&gt;.unreadable-&lt;date&gt;): %1</source>
        <translation>Could not be read (kept as &lt;name&gt;.unreadable-&lt;date&gt;): %1</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Missing: %1</translation>
    </message>
    <message>
        <source>Profile names that cannot be file names: %1</source>
        <translation>Profile names that cannot be file names: %1</translation>
    </message>
    <message>
        <source>Profiles loaded with the factory settings: %1</source>
        <translation>Profiles loaded with the factory settings: %1</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>Could not be written: %1</translation>
    </message>
    <message>
        <source>Links out of the settings folder, replaced by files: %1</source>
        <translation>Links out of the settings folder, replaced by files: %1</translation>
    </message>
    <message>
        <source>Not written, behind a link out of the settings folder: %1</source>
        <translation>Not written, behind a link out of the settings folder: %1</translation>
    </message>
    <message>
        <source>%1 could not be read. It was kept as %2.</source>
        <translation>%1 could not be read. It was kept as %2.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 is missing.</translation>
    </message>
    <message>
        <source>%1 names the profile &quot;%2&quot;, which cannot be used as a file name.</source>
        <translation>%1 names the profile &quot;%2&quot;, which cannot be used as a file name.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 could not be written.</translation>
    </message>
    <message>
        <source>%1 was a link out of the settings folder. A file was written in its place.</source>
        <translation>%1 was a link out of the settings folder. A file was written in its place.</translation>
    </message>
    <message>
        <source>%1 lies behind a link out of the settings folder. It was not written.</source>
        <translation>%1 lies behind a link out of the settings folder. It was not written.</translation>
    </message>
    <message>
        <source>Profile %1 was loaded with the factory settings.</source>
        <translation>Profile %1 was loaded with the factory settings.</translation>
    </message>
    <message>
        <source>Settings folder: %1</source>
        <translation>Settings folder: %1</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>LCtr</source>
        <translation>Left Ctrl</translation>
    </message>
    <message>
        <source>RCtr</source>
        <translation>Right Ctrl</translation>
    </message>
    <message>
        <source>LShift</source>
        <translation>Left Shift</translation>
    </message>
    <message>
        <source>RShift</source>
        <translation>Right Shift</translation>
    </message>
    <message>
        <source>LAlt</source>
        <translation>Left Alt</translation>
    </message>
    <message>
        <source>RAlt</source>
        <translation>Right Alt</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Num De</source>
        <translation>Num Del</translation>
    </message>
    <message>
        <source>Pause Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>LWindows</source>
        <translation>Left Windows</translation>
    </message>
    <message>
        <source>RWindows</source>
        <translation>Right Windows</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>KroBtnWindow</name>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>SINGLE KEY</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>COMBO KEY</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>FIRE KEY</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Button Off</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Switch Window</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>My Computer</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Show Desktop</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>Lock PC</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser Home</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Browser Backward</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser Forward</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Browser Stop</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser Refresh</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Browser Search</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Browser Favorites</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Next Track</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Media Player</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI Switch</translation>
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
        <translation>Rate +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Rate -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Lighting On/Off</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profile +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profile -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Profile Switch</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Boss Key</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>Rate Switch</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Macro Manager</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Editing</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Polling Rate</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Profile Menu</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>MACRO SELECT</translation>
    </message>
    <message>
        <source>The macro has more than %1 events; the button keeps the first %1.</source>
        <translation>The macro has more than %1 events; the button keeps the first %1.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; cannot be read.</source>
        <translation>The macro &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>%1 (hold)</source>
        <translation>%1 (hold)</translation>
    </message>
    <message>
        <source>%1 (toggle)</source>
        <translation>%1 (toggle)</translation>
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
        <translation>APPLY</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>Edit Color</translation>
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
        <translation> MIN</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFECT</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>BRIGHTNESS</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>SPEED</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>SLEEP TIME</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>LIGHT UP ON MOVE</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>STEADY</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>BREATHING</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>7-COLOR BREATHING</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>RAINBOW</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>FLASH</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>HORIZONTAL WAVE</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>HORIZONTAL FADING TRAIL</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>RAINDROPS</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>WAVE</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>FADING TRAIL</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>REACTIVE</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>YO-YO</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>MARBLES</translation>
    </message>
</context>
<context>
    <name>KroComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>Combo Key</translation>
    </message>
    <message>
        <source>Hold the modifiers and press the key</source>
        <translation>Hold the modifiers and press the key</translation>
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
        <translation>SLEEP TIME</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>LIGHT UP ON MOVE</translation>
    </message>
</context>
<context>
    <name>KroFireKeyWindow</name>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Keyboard Key</translation>
    </message>
    <message>
        <source>FireKey Setting</source>
        <translation>Fire Key Settings</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Shots</translation>
    </message>
    <message>
        <source>Delay(ms)</source>
        <translation>Delay (ms)</translation>
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
        <translation>DELAY (MS)</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>GUN SET</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>GUN FILE NAME</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>BULLETS</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Please enter a file name.</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name.</source>
        <translation>This name cannot be used as a file name.</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TOO MANY MACROS: NO MORE CAN BE CREATED.</translation>
    </message>
</context>
<context>
    <name>KroMacroSelect</name>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOP COUNT (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT WHILE THE KEY IS HELD</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>REPEAT UNTIL THE KEY IS PRESSED AGAIN</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>Choose a macro</translation>
    </message>
</context>
<context>
    <name>KroMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>KroPointSpeed</name>
    <message>
        <source>Mouse Setting</source>
        <translation>Mouse Settings</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>Key Response</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>Motion Sync</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>Lift Distance</translation>
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
        <translation>Angle Snapping</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Jitter Filter</translation>
    </message>
    <message>
        <source>Motion Wake</source>
        <translation>Motion Wake</translation>
    </message>
    <message>
        <source>Sensor Mode</source>
        <translation>Sensor Mode</translation>
    </message>
    <message>
        <source>Eco</source>
        <translation>Eco</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Competitive</source>
        <translation>Competitive</translation>
    </message>
    <message>
        <source>Scroll Lines</source>
        <translation>Scroll Lines</translation>
    </message>
    <message>
        <source>Mouse Properties</source>
        <translation>Mouse Properties</translation>
    </message>
    <message>
        <source>No mouse settings tool of the desktop was found.</source>
        <translation>No mouse settings tool of the desktop was found.</translation>
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
        <translation>REPORT RATE</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Lift-off Distance</translation>
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
        <translation>Link X/Y</translation>
    </message>
</context>
<context>
    <name>KroSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>Single Key</translation>
    </message>
    <message>
        <source>Press the key for this button</source>
        <translation>Press the key for this button</translation>
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
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>KroSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>Sniper Settings</translation>
    </message>
</context>
<context>
    <name>KroTreeWidget</name>
    <message>
        <source>MOUSE ACTION</source>
        <translation>MOUSE ACTION</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>PRESS</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>RELEASE</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Press</source>
        <translation>Press</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Macro File (*.MSMACRO)</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEW</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>RENAME</translation>
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
        <translation>EDIT</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>TOP</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>BOTTOM</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>MOVE DOWN</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>INSERT DELAY</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>GUN SET</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOP COUNT (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>WHILE THE KEY IS HELD</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>UNTIL THE KEY IS PRESSED AGAIN</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>BATCH</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>MACRO NAME</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>MOUSE COMMAND</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>RECORD DELAYS BETWEEN ACTIONS</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSERT DEFAULT DELAY</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>KEY</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>DELAY (ms)</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>MOVEMENT</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>DELAY</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>THE MACRO COULD NOT BE SAVED.</source>
        <translation>THE MACRO COULD NOT BE SAVED.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TOO MANY MACROS: NO MORE CAN BE CREATED.</translation>
    </message>
    <message>
        <source>THIS NAME CANNOT BE USED FOR A MACRO.</source>
        <translation>THIS NAME CANNOT BE USED FOR A MACRO.</translation>
    </message>
    <message>
        <source>THE MACRO COULD NOT BE RENAMED.</source>
        <translation>THE MACRO COULD NOT BE RENAMED.</translation>
    </message>
    <message>
        <source>THIS MACRO IS USED BY %1. DELETE IT AND GIVE THESE BUTTONS THEIR DEFAULT FUNCTION?</source>
        <translation>THIS MACRO IS USED BY %1. DELETE IT AND GIVE THESE BUTTONS THEIR DEFAULT FUNCTION?</translation>
    </message>
    <message>
        <source>PROFILE %1 BUTTON %2</source>
        <translation>PROFILE %1 BUTTON %2</translation>
    </message>
    <message>
        <source>PROFILE %1 SIDE BUTTON %2</source>
        <translation>PROFILE %1 SIDE BUTTON %2</translation>
    </message>
    <message>
        <source>PROFILE %1 SCROLL UP</source>
        <translation>PROFILE %1 SCROLL UP</translation>
    </message>
    <message>
        <source>PROFILE %1 SCROLL DOWN</source>
        <translation>PROFILE %1 SCROLL DOWN</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Load Macro File</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>A macro of this name already exists.</translation>
    </message>
    <message>
        <source>THIS FILE IS NOT A MACRO FILE.</source>
        <translation>THIS FILE IS NOT A MACRO FILE.</translation>
    </message>
    <message>
        <source>A MACRO HOLDS AT MOST 63 EVENTS; THE REST WAS LEFT OUT.</source>
        <translation>A MACRO HOLDS AT MOST 63 EVENTS; THE REST WAS LEFT OUT.</translation>
    </message>
    <message>
        <source>THESE FILES WERE NOT IMPORTED: %1</source>
        <translation>THESE FILES WERE NOT IMPORTED: %1</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Save Macro File</translation>
    </message>
    <message>
        <source>THESE MACROS WERE NOT EXPORTED: %1</source>
        <translation>THESE MACROS WERE NOT EXPORTED: %1</translation>
    </message>
    <message>
        <source>A MACRO HOLDS AT MOST 63 EVENTS.</source>
        <translation>A MACRO HOLDS AT MOST 63 EVENTS.</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>ONE OR MORE KEYS HAVE NOT BEEN RELEASED.</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>LEFT CLICK</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MIDDLE CLICK</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RIGHT CLICK</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>FORWARD</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>BACK</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>MOVE LEFT</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>MOVE RIGHT</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>CUT</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>PASTE</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>UNDO</translation>
    </message>
    <message>
        <source>REDO</source>
        <translation>REDO</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>RECORD AFTER</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
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
        <translation>Warning</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Receiver disconnected</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>To update the firmware, connect the mouse to the computer with its cable.</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Do you want to update the firmware?</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>The firmware updater could not be started.</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AT LEAST ONE BUTTON MUST KEEP A CLICK FUNCTION.</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Press Enter to apply</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Reset All</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>LOAD</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>LIGHTING</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>CUSTOMIZE</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware Update</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>MousecfgWidget</source>
        <translation>mousecfg</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Load Profile File</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Save Profile File</translation>
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
        <translation>Another profile slot already uses this profile.</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AT LEAST ONE PROFILE MUST BE KEPT.</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>A default profile cannot be deleted or renamed.</translation>
    </message>
    <message>
        <source>This profile cannot be deleted.</source>
        <translation>This profile cannot be deleted.</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Are you sure you want to delete this profile?</translation>
    </message>
    <message>
        <source>This name cannot be used for a profile.</source>
        <translation>This name cannot be used for a profile.</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>A profile of this name already exists.</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>The mouse is sleeping or not connected.</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Sending the data failed. Please try again.</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Are you sure you want to reset this profile?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Are you sure you want to reset all profiles?</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Save Profile File</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Profile File (*.prof)</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Load Profile File</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>This file is not for the current mouse.</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Save Config File</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Config File (*.conf)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Load Config File</translation>
    </message>
    <message>
        <source>Not sent: the mouse is sleeping or not connected</source>
        <translation>Not sent: the mouse is sleeping or not connected</translation>
    </message>
    <message>
        <source>Sending failed</source>
        <translation>Sending failed</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>Nothing changed</translation>
    </message>
    <message>
        <source>mouse settings</source>
        <translation>mouse settings</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>buttons</source>
        <translation>buttons</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>lighting</translation>
    </message>
    <message>
        <source>Sent to the mouse: %1</source>
        <translation>Sent to the mouse: %1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 already exists. Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>StatusDisplay</name>
    <message>
        <source>MOUSE OFF</source>
        <translation>MOUSE OFF</translation>
    </message>
    <message>
        <source>Battery level not known yet</source>
        <translation>Battery level not known yet</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Show Window</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>mousecfg is already running: its window was brought to the front.</source>
        <translation>mousecfg is already running: its window was brought to the front.</translation>
    </message>
    <message>
        <source>mousecfg is already running.</source>
        <translation>mousecfg is already running.</translation>
    </message>
</context>
</TS>
