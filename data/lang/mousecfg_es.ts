<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>DeviceSession</name>
    <message>
        <source>Mouse battery low: %1%</source>
        <translation>Batería del ratón baja: %1 %</translation>
    </message>
</context>
<context>
    <name>FileProblems</name>
    <message>
        <source>Could not be read (kept as &lt;name&gt;.unreadable-&lt;date&gt;): %1</source>
        <translation>No se pudieron leer (guardados como &lt;nombre&gt;.unreadable-&lt;fecha&gt;): %1</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Faltan: %1</translation>
    </message>
    <message>
        <source>Profile names that cannot be file names: %1</source>
        <translation>Nombres de perfil que no pueden ser nombres de archivo: %1</translation>
    </message>
    <message>
        <source>Profiles loaded with the factory settings: %1</source>
        <translation>Perfiles cargados con los ajustes de fábrica: %1</translation>
    </message>
    <message>
        <source>Could not be written: %1</source>
        <translation>No se pudieron escribir: %1</translation>
    </message>
    <message>
        <source>Links out of the settings folder, replaced by files: %1</source>
        <translation>Enlaces fuera de la carpeta de ajustes, sustituidos por archivos: %1</translation>
    </message>
    <message>
        <source>Not written, behind a link out of the settings folder: %1</source>
        <translation>No escritos, tras un enlace fuera de la carpeta de ajustes: %1</translation>
    </message>
    <message>
        <source>%1 could not be read. It was kept as %2.</source>
        <translation>No se pudo leer %1. Se ha guardado como %2.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>Falta %1.</translation>
    </message>
    <message>
        <source>%1 names the profile &quot;%2&quot;, which cannot be used as a file name.</source>
        <translation>%1 nombra el perfil «%2», que no puede usarse como nombre de archivo.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>No se pudo escribir %1.</translation>
    </message>
    <message>
        <source>%1 was a link out of the settings folder. A file was written in its place.</source>
        <translation>%1 era un enlace fuera de la carpeta de ajustes. Se ha escrito un archivo en su lugar.</translation>
    </message>
    <message>
        <source>%1 lies behind a link out of the settings folder. It was not written.</source>
        <translation>%1 está tras un enlace fuera de la carpeta de ajustes. No se ha escrito.</translation>
    </message>
    <message>
        <source>Profile %1 was loaded with the factory settings.</source>
        <translation>El perfil %1 se ha cargado con los ajustes de fábrica.</translation>
    </message>
    <message>
        <source>Settings folder: %1</source>
        <translation>Carpeta de ajustes: %1</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>LCtr</source>
        <translation>Ctrl izq.</translation>
    </message>
    <message>
        <source>RCtr</source>
        <translation>Ctrl der.</translation>
    </message>
    <message>
        <source>LShift</source>
        <translation>Mayús izq.</translation>
    </message>
    <message>
        <source>RShift</source>
        <translation>Mayús der.</translation>
    </message>
    <message>
        <source>LAlt</source>
        <translation>Alt izq.</translation>
    </message>
    <message>
        <source>RAlt</source>
        <translation>Alt Gr</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>Bloq Mayús</translation>
    </message>
    <message>
        <source>Num De</source>
        <translation>Num Supr</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Impr Pant</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Pause Break</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Bloq Despl</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Re Pág</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>LWindows</source>
        <translation>Windows izq.</translation>
    </message>
    <message>
        <source>RWindows</source>
        <translation>Windows der.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Bloq Num</translation>
    </message>
    <message>
        <source>Num Enter</source>
        <translation>Num Intro</translation>
    </message>
    <message>
        <source>Left Button</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>Middle Button</source>
        <translation>Botón central</translation>
    </message>
</context>
<context>
    <name>KroBtnWindow</name>
    <message>
        <source>Left</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>TECLA ÚNICA</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>COMBINACIÓN</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>TECLA DE DISPARO</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Botón desactivado</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Cambiar de ventana</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Mi equipo</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Mostrar escritorio</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>Bloquear PC</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Inicio del navegador</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Navegador: atrás</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Navegador: adelante</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Detener carga</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Actualizar página</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Búsqueda web</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Pista anterior</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Pista siguiente</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Subir volumen</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Bajar volumen</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Reproductor multimedia</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>Cambio de DPI</translation>
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
        <translation>Frecuencia +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Frecuencia -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Desplazar arriba</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Desplazar abajo</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Iluminación on/off</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>FRANCOTIRADOR</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Perfil +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Perfil -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Cambio de perfil</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Tecla del jefe</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>Cambio de frecuencia</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Gestor de macros</translation>
    </message>
    <message>
        <source>%1 (hold)</source>
        <translation>%1 (mantener)</translation>
    </message>
    <message>
        <source>%1 (toggle)</source>
        <translation>%1 (alternar)</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Frecuencia de sondeo</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Menú de perfiles</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>SELECCIÓN DE MACRO</translation>
    </message>
    <message>
        <source>The macro has more than %1 events; the button keeps the first %1.</source>
        <translation>La macro tiene más de %1 eventos; el botón conserva solo los %1 primeros.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; cannot be read.</source>
        <translation>No se puede leer la macro «%1».</translation>
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
        <translation>APLICAR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>Editar color</translation>
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
        <translation> MINUTO(S)</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFECTO</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>BRILLO</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>VELOCIDAD</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>TIEMPO DE REPOSO</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>MOVER PARA ENCENDER</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>APAGADO</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>LUZ FIJA</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>RESPIRACIÓN</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>RESPIRACIÓN 7 COLORES</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>ARCOÍRIS</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>DESTELLO</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>Onda horizontal</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>Sin rastro horizontal</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Gotas de lluvia</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>ONDA</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>SIN RASTRO</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>REACTIVO</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>Yoyó</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Canicas</translation>
    </message>
</context>
<context>
    <name>KroComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Hold the modifiers and press the key</source>
        <translation>Mantenga los modificadores y pulse la tecla</translation>
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
        <translation>REPOSO</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>LUZ AL MOVER</translation>
    </message>
</context>
<context>
    <name>KroFireKeyWindow</name>
    <message>
        <source>Left</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Tecla del teclado</translation>
    </message>
    <message>
        <source>FireKey Setting</source>
        <translation>Ajuste de tecla de disparo</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Disparos</translation>
    </message>
    <message>
        <source>Delay(ms)</source>
        <translation>Retardo (ms)</translation>
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
        <translation>RETARDO (MS)</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>AJUSTE DE ARMA</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>BALAS</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Introduzca un nombre de archivo.</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name.</source>
        <translation>Este nombre no se puede usar como nombre de archivo.</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>¡DEMASIADAS MACROS, NO SE PUEDEN CREAR MÁS!</translation>
    </message>
</context>
<context>
    <name>KroMacroSelect</name>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>REPETICIONES (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPETIR MIENTRAS ESTÉ PULSADO</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>REPETIR HASTA VOLVER A PULSAR</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>Elija una macro</translation>
    </message>
</context>
<context>
    <name>KroMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>KroPointSpeed</name>
    <message>
        <source>Mouse Setting</source>
        <translation>Ajustes del ratón</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>Respuesta de teclas</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>Activar sincronización</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>Altura LOD</translation>
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
        <translation>Corrección de ángulo</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Filtro antivibración</translation>
    </message>
    <message>
        <source>Motion Wake</source>
        <translation>Activar al mover</translation>
    </message>
    <message>
        <source>Sensor Mode</source>
        <translation>Modo del sensor</translation>
    </message>
    <message>
        <source>Eco</source>
        <translation>Ahorro</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Competitive</source>
        <translation>Competición</translation>
    </message>
    <message>
        <source>Scroll Lines</source>
        <translation>Líneas por paso</translation>
    </message>
    <message>
        <source>Mouse Properties</source>
        <translation>Propiedades del ratón</translation>
    </message>
    <message>
        <source>No mouse settings tool of the desktop was found.</source>
        <translation>No se encontró ninguna herramienta de ajustes del ratón en este escritorio.</translation>
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
        <translation>FRECUENCIA</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Distancia de elevación</translation>
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
        <translation>Vincular X e Y</translation>
    </message>
</context>
<context>
    <name>KroSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>Tecla única</translation>
    </message>
    <message>
        <source>Press the key for this button</source>
        <translation>Pulse la tecla para este botón</translation>
    </message>
</context>
<context>
    <name>KroSkinDialog</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>KroSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>Ajuste de francotirador</translation>
    </message>
</context>
<context>
    <name>KroTreeWidget</name>
    <message>
        <source>MOUSE ACTION</source>
        <translation>ACCIÓN DEL RATÓN</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>PULSAR</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>SOLTAR</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Press</source>
        <translation>Pulsar</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Archivo de macro (*.MSMACRO)</translation>
    </message>
    <message>
        <source>START</source>
        <translation>INICIAR</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>DETENER</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NUEVA</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>ELIMINAR</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>CAMBIAR NOMBRE</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTAR</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTAR</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>EDITAR</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>AL PRINCIPIO</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>AL FINAL</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>SUBIR</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>BAJAR</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>BORRAR</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>+ RETARDO</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>ARMAS</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>REPETICIONES (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>MIENTRAS ESTÉ PULSADO</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>HASTA VOLVER A PULSAR</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>LOTE</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>COMANDO DEL RATÓN</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>GRABAR LOS RETARDOS</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>RETARDO FIJO</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TECLA</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>ACCIÓN</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>RETARDO (ms)</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>MOVIMIENTO</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANCIA</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>RETARDO</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>THE MACRO COULD NOT BE SAVED.</source>
        <translation>NO SE PUDO GUARDAR LA MACRO.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVISO</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>¡DEMASIADAS MACROS, NO SE PUEDEN CREAR MÁS!</translation>
    </message>
    <message>
        <source>THIS NAME CANNOT BE USED FOR A MACRO.</source>
        <translation>ESTE NOMBRE NO SE PUEDE USAR PARA UNA MACRO.</translation>
    </message>
    <message>
        <source>THE MACRO COULD NOT BE RENAMED.</source>
        <translation>NO SE PUDO CAMBIAR EL NOMBRE DE LA MACRO.</translation>
    </message>
    <message>
        <source>THIS MACRO IS USED BY %1. DELETE IT AND GIVE THESE BUTTONS THEIR DEFAULT FUNCTION?</source>
        <translation>ESTA MACRO LA USA %1. ¿BORRARLA Y DEVOLVER A ESTOS BOTONES SU FUNCIÓN PREDETERMINADA?</translation>
    </message>
    <message>
        <source>PROFILE %1 BUTTON %2</source>
        <translation>PERFIL %1 BOTÓN %2</translation>
    </message>
    <message>
        <source>PROFILE %1 SIDE BUTTON %2</source>
        <translation>PERFIL %1 BOTÓN LATERAL %2</translation>
    </message>
    <message>
        <source>PROFILE %1 SCROLL UP</source>
        <translation>PERFIL %1 DESPLAZAR ARRIBA</translation>
    </message>
    <message>
        <source>PROFILE %1 SCROLL DOWN</source>
        <translation>PERFIL %1 DESPLAZAR ABAJO</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Cargar archivo de macro</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>¡La macro ya existe!</translation>
    </message>
    <message>
        <source>THIS FILE IS NOT A MACRO FILE.</source>
        <translation>ESTE ARCHIVO NO ES UN ARCHIVO DE MACRO.</translation>
    </message>
    <message>
        <source>A MACRO HOLDS AT MOST 63 EVENTS; THE REST WAS LEFT OUT.</source>
        <translation>UNA MACRO ADMITE COMO MÁXIMO 63 EVENTOS; EL RESTO SE HA OMITIDO.</translation>
    </message>
    <message>
        <source>THESE FILES WERE NOT IMPORTED: %1</source>
        <translation>ESTOS ARCHIVOS NO SE IMPORTARON: %1</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Guardar archivo de macro</translation>
    </message>
    <message>
        <source>THESE MACROS WERE NOT EXPORTED: %1</source>
        <translation>ESTAS MACROS NO SE EXPORTARON: %1</translation>
    </message>
    <message>
        <source>A MACRO HOLDS AT MOST 63 EVENTS.</source>
        <translation>UNA MACRO ADMITE COMO MÁXIMO 63 EVENTOS.</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>UNA O MÁS TECLAS NO SE HAN SOLTADO.</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>CLIC IZQUIERDO</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>CLIC CENTRAL</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>CLIC DERECHO</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>ADELANTE</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>ATRÁS</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>IZQUIERDA</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>DERECHA</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIAR</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>CORTAR</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>PEGAR</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>DESHACER</translation>
    </message>
    <message>
        <source>REDO</source>
        <translation>REHACER</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>+ GRABAR</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
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
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>¡Receptor desconectado!</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Para actualizar el firmware, conecte el ratón al ordenador con el cable.</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>¿Desea actualizar el firmware?</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>No se pudo iniciar el actualizador de firmware.</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>DEBE CONSERVARSE AL MENOS UNA FUNCIÓN DE CLIC.</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Pulse Intro para aplicar</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESTABLECER</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>AÑADIR</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>ELIMINAR</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIAR</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Restablecer todo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>CARGAR</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>ILUMINACIÓN</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>BOTONES</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Actualizar firmware</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Lateral</translation>
    </message>
    <message>
        <source>MousecfgWidget</source>
        <translation>MousecfgWidget</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Cargar archivo de perfil</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Guardar archivo de perfil</translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>¡Este perfil ya está en uso!</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>DEBE CONSERVARSE AL MENOS UN PERFIL.</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>El perfil predeterminado no se puede eliminar ni renombrar.</translation>
    </message>
    <message>
        <source>This profile cannot be deleted.</source>
        <translation>Este perfil no se puede eliminar.</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>¿Seguro que desea eliminar este perfil?</translation>
    </message>
    <message>
        <source>This name cannot be used for a profile.</source>
        <translation>Este nombre no se puede usar para un perfil.</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>¡El perfil ya existe!</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>El ratón está en reposo o no está conectado.</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>No se pudieron enviar los datos; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>¿Seguro que desea restablecer este perfil?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>¿Seguro que desea restablecer todos los perfiles?</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Guardar archivo de perfil</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Archivo de perfil (*.prof)</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Cargar archivo de perfil</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>¡El archivo no corresponde al ratón actual!</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Guardar configuración</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Archivo de configuración (*.conf)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Cargar configuración</translation>
    </message>
    <message>
        <source>Not sent: the mouse is sleeping or not connected</source>
        <translation>No enviado: el ratón está en reposo o desconectado</translation>
    </message>
    <message>
        <source>Sending failed</source>
        <translation>Error al enviar</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>mouse settings</source>
        <translation>ajustes del ratón</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>buttons</source>
        <translation>botones</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>iluminación</translation>
    </message>
    <message>
        <source>Sent to the mouse: %1</source>
        <translation>Enviado al ratón: %1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>StatusDisplay</name>
    <message>
        <source>MOUSE OFF</source>
        <translation>RATÓN APAGADO</translation>
    </message>
    <message>
        <source>Battery level not known yet</source>
        <translation>Nivel de batería aún desconocido</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Abrir configuración</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>mousecfg is already running: its window was brought to the front.</source>
        <translation>mousecfg ya se está ejecutando: su ventana se ha traído al frente.</translation>
    </message>
    <message>
        <source>mousecfg is already running.</source>
        <translation>mousecfg ya se está ejecutando.</translation>
    </message>
</context>
</TS>
