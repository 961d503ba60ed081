<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BoardExport</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: the picture could not be made.</source>
        <translation>No se puede escribir %1: no se pudo crear la imagen.</translation>
    </message>
    <message>
        <source>Cannot write %1: use a name ending in .png, .svg or .pdf.</source>
        <translation>No se puede escribir %1: el nombre debe terminar en .png, .svg o .pdf.</translation>
    </message>
    <message>
        <source>A circuit drawn with Circuit Workbench</source>
        <translation>Un circuito dibujado con Circuit Workbench</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>The printed page&apos;s footer: the board&apos;s name and the date, as in &quot;series.cwb — 8 December 2026&quot;.</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Cannot write %1: this build has no SVG export; use .png or .pdf.</source>
        <translation>No se puede escribir %1: esta versión no exporta SVG; usa .png o .pdf.</translation>
    </message>
</context>
<context>
    <name>BoardFile</name>
    <message>
        <source>In %1, “%2” is missing.</source>
        <translation>En %1 falta «%2».</translation>
    </message>
    <message>
        <source>In %1, “%2” should be a whole number from %3 to %4.</source>
        <translation>En %1, «%2» debería ser un número entero de %3 a %4.</translation>
    </message>
    <message>
        <source>the circuit</source>
        <translation>el circuito</translation>
    </message>
    <message>
        <source>In the circuit, “%1” should be a list.</source>
        <translation>En el circuito, «%1» debería ser una lista.</translation>
    </message>
    <message>
        <source>The circuit has more than %1 entries in “%2”.</source>
        <translation>El circuito tiene más de %1 entradas en «%2».</translation>
    </message>
    <message>
        <source>%1 should be a pair of numbers.</source>
        <translation>%1 debería ser un par de números.</translation>
    </message>
    <message>
        <source>the first number</source>
        <translation>el primer número</translation>
    </message>
    <message>
        <source>the second number</source>
        <translation>el segundo número</translation>
    </message>
    <message>
        <source>part %1 of the list</source>
        <translation>el componente %1 de la lista</translation>
    </message>
    <message>
        <source>%1 should be a part with its kind and place.</source>
        <translation>%1 debería ser un componente con su tipo y su lugar.</translation>
    </message>
    <message>
        <source>In %1, “deleted” should be true or false.</source>
        <translation>En %1, «deleted» debería ser true o false.</translation>
    </message>
    <message>
        <source>In %1, “closed” should be true or false.</source>
        <translation>En %1, «closed» debería ser true o false.</translation>
    </message>
    <message>
        <source>In %1, a resistor of %2 ohms cannot be made: resistors are %3, %4 or %5 ohms.</source>
        <translation>En %1: no hay resistencias de %2 ohmios; las resistencias son de %3, %4 o %5 ohmios.</translation>
    </message>
    <message>
        <source>note %1</source>
        <translation>la nota %1</translation>
    </message>
    <message>
        <source>%1 should be a list of points.</source>
        <translation>%1 debería ser una lista de puntos.</translation>
    </message>
    <message>
        <source>In %1, a point should be two numbers on the board.</source>
        <translation>En %1, un punto debería ser dos números del tablero.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB; no circuit file is that large.</source>
        <translation>El archivo ocupa más de %1 MiB; ningún archivo de circuito es tan grande.</translation>
    </message>
    <message>
        <source>The file is damaged or is not a circuit file: its text goes wrong at character %1.</source>
        <translation>El archivo está dañado o no es un archivo de circuito: su texto falla en el carácter %1.</translation>
    </message>
    <message>
        <source>The file is not a Circuit Workbench circuit.</source>
        <translation>El archivo no es un circuito de Circuit Workbench.</translation>
    </message>
    <message>
        <source>The circuit was saved by a newer Circuit Workbench (file version %1); this one reads version %2 and earlier.</source>
        <translation>El circuito se guardó con un Circuit Workbench más reciente (versión de archivo %1); este lee la versión %2 y anteriores.</translation>
    </message>
    <message>
        <source>In the circuit, “board” should give the board&apos;s width and height.</source>
        <translation>En el circuito, «board» debería dar el ancho y el alto del tablero.</translation>
    </message>
    <message>
        <source>the board&apos;s size</source>
        <translation>el tamaño del tablero</translation>
    </message>
    <message>
        <source>Component number %1 is not below the next number, %2.</source>
        <translation>El número de componente %1 no es menor que el siguiente número, %2.</translation>
    </message>
    <message>
        <source>Component number %1 is used twice.</source>
        <translation>El número de componente %1 se usa dos veces.</translation>
    </message>
    <message>
        <source>Component number %1 belongs to no part.</source>
        <translation>El número de componente %1 no pertenece a ningún componente.</translation>
    </message>
    <message>
        <source>junction %1</source>
        <translation>el nudo %1</translation>
    </message>
    <message>
        <source>wire %1</source>
        <translation>el cable %1</translation>
    </message>
    <message>
        <source>%1 ends at junction %2, which the circuit does not have.</source>
        <translation>%1 termina en el nudo %2, que el circuito no tiene.</translation>
    </message>
    <message>
        <source>%1 ends at a terminal of component %2, which is not on the board.</source>
        <translation>%1 termina en un borne del componente %2, que no está en el tablero.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
    <message>
        <source>In %1, the kind “%2” needs file version %3, but the file says version %4.</source>
        <translation>En %1, el tipo «%2» necesita la versión %3 del archivo, pero el archivo indica la versión %4.</translation>
    </message>
    <message>
        <source>In %1, a fuse cannot be rated so: fuses are rated 0.25, 0.5 or 1 A.</source>
        <translation>En %1, un fusible no puede tener esa corriente nominal: los fusibles son de 0,25, 0,5 o 1 A.</translation>
    </message>
    <message>
        <source>In %1, “blown” should be true or false.</source>
        <translation>En %1, «blown» debe ser true o false.</translation>
    </message>
    <message>
        <source>In %1, “%2” should be a text of at most %3 letters.</source>
        <translation>En %1, «%2» debería ser un texto de %3 caracteres como máximo.</translation>
    </message>
    <message>
        <source>In %1, “%2” should be a number from %3 to %4.</source>
        <translation>En %1, «%2» debería ser un número de %3 a %4.</translation>
    </message>
    <message>
        <source>In %1, the kind “%2” is not a cell, switch, resistor, bulb, ammeter, voltmeter or fuse.</source>
        <translation>En %1, el tipo «%2» no es una pila, un interruptor, una resistencia, una bombilla, un amperímetro, un voltímetro ni un fusible.</translation>
    </message>
    <message>
        <source>goal %1 of the task</source>
        <translation>el objetivo %1 de la tarea</translation>
    </message>
    <message>
        <source>%1 should be a goal with its kind.</source>
        <translation>%1 debería ser un objetivo con su tipo.</translation>
    </message>
    <message>
        <source>In %1, there is no goal called “%2”.</source>
        <translation>En %1 no hay ningún objetivo llamado «%2».</translation>
    </message>
    <message>
        <source>In %1, “%2” is not a kind of part.</source>
        <translation>En %1, «%2» no es un tipo de componente.</translation>
    </message>
    <message>
        <source>In %1, the unit should be amperes, volts or ohms.</source>
        <translation>En %1, la unidad debería ser amperios, voltios u ohmios.</translation>
    </message>
    <message>
        <source>In %1, a meter reads amperes or volts, not ohms.</source>
        <translation>En %1: un medidor marca amperios o voltios, no ohmios.</translation>
    </message>
    <message>
        <source>The circuit has answers but no task.</source>
        <translation>El circuito tiene respuestas, pero ninguna tarea.</translation>
    </message>
    <message>
        <source>the task</source>
        <translation>la tarea</translation>
    </message>
    <message>
        <source>The circuit has a task, which needs file version %1, but the file says version %2.</source>
        <translation>El circuito tiene una tarea, que necesita la versión %1 del archivo, pero el archivo indica la versión %2.</translation>
    </message>
    <message>
        <source>In the circuit, “task” should be a task with its title, rules and goals.</source>
        <translation>En el circuito, «task» debería ser una tarea con su título, sus reglas y sus objetivos.</translation>
    </message>
    <message>
        <source>locked part %1 of the task</source>
        <translation>el componente con candado %1 de la tarea</translation>
    </message>
    <message>
        <source>Component %1 is locked by the task, but the circuit has it moved, changed or deleted.</source>
        <translation>El componente %1 tiene candado por la tarea, pero en el circuito está movido, cambiado o borrado.</translation>
    </message>
    <message>
        <source>The task hides the value of component %1, which the task&apos;s circuit does not have.</source>
        <translation>La tarea oculta el valor del componente %1, que el circuito de la tarea no tiene.</translation>
    </message>
    <message>
        <source>In the task, “allow” should give a number of parts for each kind it limits.</source>
        <translation>En la tarea, «allow» debería dar un número de componentes para cada tipo que limita.</translation>
    </message>
    <message>
        <source>The task lets the learner add %1 “%2”, but the circuit has %3 added.</source>
        <translation>La tarea deja añadir %1 «%2», pero el circuito tiene %3 añadidos.</translation>
    </message>
    <message>
        <source>answer %1</source>
        <translation>la respuesta %1</translation>
    </message>
</context>
<context>
    <name>PartTexts</name>
    <message>
        <source>Battery cell</source>
        <translation>Pila</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Interruptor</translation>
    </message>
    <message>
        <source>Resistor</source>
        <translation>Resistencia</translation>
    </message>
    <message>
        <source>Bulb</source>
        <translation>Bombilla</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A placed part: its kind and its number, as in &quot;Bulb 2&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>shorted by a wire</source>
        <translation>cortocircuitada por un cable</translation>
    </message>
    <message>
        <source>a switch in its loop is open</source>
        <translation>un interruptor de su circuito está abierto</translation>
    </message>
    <message>
        <source>not in a closed loop</source>
        <translation>no está en un circuito cerrado</translation>
    </message>
    <message>
        <source>no cell in its circuit</source>
        <translation>no hay ninguna pila en su circuito</translation>
    </message>
    <message>
        <source>the cells cancel out</source>
        <translation>las pilas se anulan</translation>
    </message>
    <message>
        <source>too little current</source>
        <translation>muy poca corriente</translation>
    </message>
    <message>
        <source>the circuit cannot be solved</source>
        <translation>el circuito no se puede resolver</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>cerrado</translation>
    </message>
    <message>
        <source>open</source>
        <translation>abierto</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 ohmios</translation>
    </message>
    <message>
        <source>lit, %1 A</source>
        <extracomment>A lit bulb and its current in amperes, as in &quot;lit, 0.13 A&quot;.</extracomment>
        <translation>encendida, %1 A</translation>
    </message>
    <message>
        <source>dark: %1</source>
        <extracomment>A dark bulb and why, as in &quot;dark: not in a closed loop&quot;.</extracomment>
        <translation>apagada: %1</translation>
    </message>
    <message>
        <source>%1: drag it onto the board, or press Space to pick one up</source>
        <translation>%1: arrástralo al tablero o pulsa Espacio para tomar uno</translation>
    </message>
    <message>
        <source>Line tool</source>
        <translation>Herramienta de cable</translation>
    </message>
    <message>
        <source>Pencil tool</source>
        <translation>Herramienta lápiz</translation>
    </message>
    <message>
        <source>Delete tool</source>
        <translation>Herramienta eliminar</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>cursor at %1, %2</source>
        <translation>cursor en %1, %2</translation>
    </message>
    <message>
        <source>%1, on a junction</source>
        <translation>%1, sobre un nudo</translation>
    </message>
    <message>
        <source>%1, on the second terminal of %2</source>
        <translation>%1, sobre el segundo terminal de %2</translation>
    </message>
    <message>
        <source>%1, on the first terminal of %2</source>
        <translation>%1, sobre el primer terminal de %2</translation>
    </message>
    <message>
        <source>%1 volts</source>
        <extracomment>A battery cell&apos;s voltage, as in &quot;1.5 volts&quot;.</extracomment>
        <translation>%1 voltios</translation>
    </message>
    <message>
        <source>Line tool (%1): drag from a terminal to another to draw a wire; click a switch to open or close it, a resistor to change its value</source>
        <extracomment>%1 is the key that chooses the tool.</extracomment>
        <translation>Herramienta de cable (%1): arrastra de un terminal a otro para trazar un cable; haz clic en un interruptor para abrirlo o cerrarlo, o en una resistencia para cambiar su valor</translation>
    </message>
    <message>
        <source>Pencil tool (%1): write notes over the board; drag with the right button to rub them out</source>
        <translation>Herramienta lápiz (%1): escribe notas sobre el tablero; arrastra con el botón derecho para borrarlas</translation>
    </message>
    <message>
        <source>Delete tool (%1): click a part or a wire to delete it</source>
        <translation>Herramienta eliminar (%1): haz clic en un componente o un cable para eliminarlo</translation>
    </message>
    <message>
        <source>%1 volts, %2 A, %3 V across its terminals</source>
        <extracomment>A cell&apos;s voltage, the current through it and the voltage between its terminals, as in &quot;1.5 volts, 0.13 A, 1.36 V across its terminals&quot;.</extracomment>
        <translation>%1 voltios, %2 A, %3 V entre sus terminales</translation>
    </message>
    <message>
        <source>closed, %1 A</source>
        <extracomment>A switch and the current through it, as in &quot;closed, 0.13 A&quot;.</extracomment>
        <translation>cerrado, %1 A</translation>
    </message>
    <message>
        <source>open, %1 A</source>
        <translation>abierto, %1 A</translation>
    </message>
    <message>
        <source>%1 ohms, %2 A, %3 V</source>
        <extracomment>A resistor, the current through it and the voltage across it, as in &quot;10 ohms, 0.12 A, 1.22 V&quot;.</extracomment>
        <translation>%1 ohmios, %2 A, %3 V</translation>
    </message>
    <message>
        <source>lit, %1 A, %2 V</source>
        <extracomment>A lit bulb, its current and the voltage across it, as in &quot;lit, 0.13 A, 1.36 V&quot;.</extracomment>
        <translation>encendida, %1 A, %2 V</translation>
    </message>
    <message>
        <source>dark: %1, %2 A, %3 V</source>
        <extracomment>A dark bulb, why, and its current and voltage, as in &quot;dark: too little current, 0.00 A, 0.04 V&quot;.</extracomment>
        <translation>apagada: %1, %2 A, %3 V</translation>
    </message>
    <message>
        <source>Ammeter</source>
        <translation>Amperímetro</translation>
    </message>
    <message>
        <source>Voltmeter</source>
        <translation>Voltímetro</translation>
    </message>
    <message>
        <source>a voltmeter in its loop lets no current through</source>
        <translation>un voltímetro en su circuito no deja pasar la corriente</translation>
    </message>
    <message>
        <source>no reading: its terminals are not joined by a circuit</source>
        <extracomment>A voltmeter whose terminals no circuit joins: it has nothing to measure.</extracomment>
        <translation>sin lectura: sus terminales no están unidos por ningún circuito</translation>
    </message>
    <message>
        <source>%1 A</source>
        <extracomment>A meter&apos;s reading, as in &quot;0.136 A&quot; or &quot;1.50 V&quot;.</extracomment>
        <translation>%1 A</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>Fuse</source>
        <translation>Fusible</translation>
    </message>
    <message>
        <source>a fuse in its loop has blown</source>
        <translation>un fusible de su circuito se ha fundido</translation>
    </message>
    <message>
        <source>%1 blew: %2 A through a %3 A fuse</source>
        <extracomment>Said when a fuse blows, as in &quot;Fuse 4 blew: 1.500 A through a 0.5 A fuse&quot;.</extracomment>
        <translation>%1 se fundió: %2 A a través de un fusible de %3 A</translation>
    </message>
    <message>
        <source>%1 A, blown</source>
        <extracomment>A fuse that has blown, its rating in amperes, as in &quot;0.5 A, blown&quot;.</extracomment>
        <translation>%1 A, fundido</translation>
    </message>
    <message>
        <source>%1 A, intact, %2 A</source>
        <extracomment>A fuse that is whole, its rating and the current through it, as in &quot;0.5 A, intact, 0.136 A&quot;.</extracomment>
        <translation>%1 A, intacto, %2 A</translation>
    </message>
    <message>
        <source>%1 A, intact</source>
        <extracomment>A fuse that is whole and its rating, as in &quot;0.5 A, intact&quot;.</extracomment>
        <translation>%1 A, intacto</translation>
    </message>
    <message>
        <source>locked</source>
        <extracomment>A part a task locked where it is, after what it shows, as in &quot;closed, locked&quot;.</extracomment>
        <translation>con candado</translation>
    </message>
    <message>
        <source>%1, locked</source>
        <translation>%1, con candado</translation>
    </message>
    <message>
        <source>? volts</source>
        <extracomment>A battery cell whose voltage the task hides, for the learner to find.</extracomment>
        <translation>? voltios</translation>
    </message>
    <message>
        <source>? ohms</source>
        <extracomment>A resistor whose value the task hides, for the learner to find by measuring.</extracomment>
        <translation>? ohmios</translation>
    </message>
    <message>
        <source>dark</source>
        <extracomment>A prediction of a bulb: no light at all.</extracomment>
        <translation>apagada</translation>
    </message>
    <message>
        <source>dim</source>
        <extracomment>A prediction of a bulb: lit, under 0.10 A.</extracomment>
        <translation>tenue</translation>
    </message>
    <message>
        <source>bright</source>
        <extracomment>A prediction of a bulb: lit, 0.10 A or more.</extracomment>
        <translation>brillante</translation>
    </message>
    <message>
        <source>not shown yet: predict dark, dim or bright</source>
        <extracomment>A bulb while predictions are asked for, before the learner predicted it.</extracomment>
        <translation>aún sin mostrar: predice apagada, tenue o brillante</translation>
    </message>
    <message>
        <source>not shown yet; your prediction: %1</source>
        <extracomment>A bulb while predictions are asked for, as in &quot;not shown yet; your prediction: dim&quot;.</extracomment>
        <translation>aún sin mostrar; tu predicción: %1</translation>
    </message>
    <message>
        <source>not shown yet</source>
        <translation>aún sin mostrar</translation>
    </message>
</context>
<context>
    <name>PredictionTexts</name>
    <message>
        <source>A wire joins %1&apos;s two terminals: the current takes the wire, and none passes through the bulb.</source>
        <translation>Un cable une los dos terminales de %1: la corriente va por el cable y no pasa nada por la bombilla.</translation>
    </message>
    <message>
        <source>%1 is open: no current can flow round %2&apos;s loop.</source>
        <translation>%1 está abierto: no puede circular corriente por el circuito de %2.</translation>
    </message>
    <message>
        <source>A switch in %1&apos;s loop is open: no current can flow round it.</source>
        <translation>Un interruptor del circuito de %1 está abierto: no puede circular corriente por él.</translation>
    </message>
    <message>
        <source>The cells in %1&apos;s loop push against each other: no current flows.</source>
        <translation>Las pilas del circuito de %1 empujan una contra otra: no circula corriente.</translation>
    </message>
    <message>
        <source>Cells in %1&apos;s loop push the same way, one after another: together they drive %2 A through it.</source>
        <translation>Las pilas del circuito de %1 empujan en el mismo sentido, una tras otra: juntas hacen pasar %2 A.</translation>
    </message>
    <message>
        <source>%1 and %2 are in one loop: the same %3 A passes through both.</source>
        <extracomment>As in &quot;Bulb 2 and Bulb 3 are in one loop: the same 0.071 A passes through both.&quot;</extracomment>
        <translation>%1 y %2 están en un mismo circuito: por las dos pasan los mismos %3 A.</translation>
    </message>
    <message>
        <source>%1 is in %2&apos;s loop: before the bulb or after it, it holds the current to the same %3 A all the way round.</source>
        <translation>%1 está en el circuito de %2: antes o después de la bombilla, limita la corriente a los mismos %3 A en todo el recorrido.</translation>
    </message>
    <message>
        <source>%1 has a path of its own: %2 A through it, while %3 gives %4 A in all, shared between the paths.</source>
        <translation>%1 tiene un camino propio: pasan %2 A por ella, mientras %3 da %4 A en total, repartidos entre los caminos.</translation>
    </message>
    <message>
        <source>%1 is lit: %2 A flows through it.</source>
        <translation>%1 está encendida: pasan %2 A por ella.</translation>
    </message>
    <message>
        <source>%1 is dark: %2.</source>
        <translation>%1 está apagada: %2.</translation>
    </message>
    <message>
        <source>%1: %2, right.</source>
        <extracomment>A prediction that was right, as in &quot;Bulb 2: dim, right.&quot;</extracomment>
        <translation>%1: %2, correcto.</translation>
    </message>
    <message>
        <source>%1: you said %2; it is %3, %4 A.</source>
        <extracomment>A prediction that was wrong, as in &quot;Bulb 3: you said bright; it is dim, 0.071 A.&quot;</extracomment>
        <translation>%1: predijiste «%2»; está %3, %4 A.</translation>
    </message>
    <message>
        <source>Predictions: %1 of %2 right</source>
        <extracomment>Predictions right out of those made since predict first was switched on.</extracomment>
        <translation>Predicciones: %1 de %2 correctas</translation>
    </message>
    <message>
        <source>Shown: %1 of %2 predictions right.</source>
        <translation>Mostrado: %1 de %2 predicciones correctas.</translation>
    </message>
</context>
<context>
    <name>TaskTexts</name>
    <message>
        <source>Every bulb is lit</source>
        <translation>Todas las bombillas están encendidas</translation>
    </message>
    <message>
        <source>%1 is lit</source>
        <translation>%1 está encendida</translation>
    </message>
    <message>
        <source>Every bulb is dark</source>
        <translation>Todas las bombillas están apagadas</translation>
    </message>
    <message>
        <source>%1 is dark</source>
        <translation>%1 está apagada</translation>
    </message>
    <message>
        <source>%1 is brighter than %2</source>
        <translation>%1 brilla más que %2</translation>
    </message>
    <message>
        <source>%1 is as bright as %2</source>
        <translation>%1 brilla tanto como %2</translation>
    </message>
    <message>
        <source>%1 turns %2 on and off</source>
        <translation>%1 enciende y apaga %2</translation>
    </message>
    <message>
        <source>%1 turns %2 on and off, and no other bulb</source>
        <translation>%1 enciende y apaga %2 y ninguna otra bombilla</translation>
    </message>
    <message>
        <source>Meter %1 reads %2 %3, give or take %4 %3</source>
        <extracomment>A meter&apos;s goal: its number, the value and how far off it may be, as in &quot;Meter 5 reads 0.15 A, give or take 0.005 A&quot;.</extracomment>
        <translation>El medidor %1 marca %2 %3, con un margen de %4 %3</translation>
    </message>
    <message>
        <source>No cell is shorted</source>
        <translation>Ninguna pila está en cortocircuito</translation>
    </message>
    <message>
        <source>No fuse has blown</source>
        <translation>Ningún fusible se ha fundido</translation>
    </message>
    <message>
        <source>At most %1 of the kind %2</source>
        <extracomment>At most so many parts of a kind, as in &quot;At most 2 of the kind Bulb&quot;.</extracomment>
        <translation>Como máximo %1 del tipo %2</translation>
    </message>
    <message>
        <source>Answer in %1: %2</source>
        <extracomment>A question the learner answers with a number in a unit, as in &quot;Answer in Ω: What is the resistance of resistor 3?&quot;.</extracomment>
        <translation>Respuesta en %1: %2</translation>
    </message>
    <message>
        <source>Component %1 is not on the board.</source>
        <translation>El componente %1 no está en el tablero.</translation>
    </message>
    <message>
        <source>There is no bulb on the board.</source>
        <translation>No hay ninguna bombilla en el tablero.</translation>
    </message>
    <message>
        <source>%1 is dark: %2.</source>
        <extracomment>A bulb and why it is dark, as in &quot;Bulb 3 is dark: a switch in its loop is open.&quot;</extracomment>
        <translation>%1 está apagada: %2.</translation>
    </message>
    <message>
        <source>%1 is lit.</source>
        <translation>%1 está encendida.</translation>
    </message>
    <message>
        <source>%1 carries %2 A, %3 carries %4 A.</source>
        <translation>Por %1 pasan %2 A; por %3, %4 A.</translation>
    </message>
    <message>
        <source>Opening or closing %1 leaves %2 lit.</source>
        <translation>Al abrir o cerrar %1, %2 sigue encendida.</translation>
    </message>
    <message>
        <source>Opening or closing %1 leaves %2 dark.</source>
        <translation>Al abrir o cerrar %1, %2 sigue apagada.</translation>
    </message>
    <message>
        <source>%1 turns %2 on and off too.</source>
        <translation>%1 también enciende y apaga %2.</translation>
    </message>
    <message>
        <source>%1 reads %2.</source>
        <translation>%1 marca %2.</translation>
    </message>
    <message>
        <source>%1 is shorted: wires alone join its two terminals.</source>
        <translation>%1 está en cortocircuito: solo cables unen sus dos terminales.</translation>
    </message>
    <message>
        <source>%1 has blown.</source>
        <translation>%1 se ha fundido.</translation>
    </message>
    <message>
        <source>The board has %1 of the kind %2.</source>
        <extracomment>How many parts of a kind the board has, as in &quot;The board has 3 of the kind Bulb.&quot;</extracomment>
        <translation>En el tablero hay %1 del tipo %2.</translation>
    </message>
    <message>
        <source>Type your answer in the box first.</source>
        <translation>Escribe primero tu respuesta en la casilla.</translation>
    </message>
    <message>
        <source>Type a number, with its unit if you like, as in “%1”.</source>
        <extracomment>%1 is an example answer in the unit asked, as in &quot;20 Ω&quot;.</extracomment>
        <translation>Escribe un número, con su unidad si quieres, por ejemplo «%1».</translation>
    </message>
    <message>
        <source>That answer is in another unit: give it in %1.</source>
        <translation>Esa respuesta está en otra unidad: dala en %1.</translation>
    </message>
    <message>
        <source>Not yet: measure again and work it out from your readings.</source>
        <translation>Todavía no: vuelve a medir y calcúlalo a partir de tus lecturas.</translation>
    </message>
    <message>
        <source>%1 of %2 goals met</source>
        <extracomment>How many of the task&apos;s goals Check found met, as in &quot;2 of 3 goals met&quot;.</extracomment>
        <translation>%1 de %2 objetivos cumplidos</translation>
    </message>
    <message>
        <source>Not met: %1. %2</source>
        <extracomment>A goal not met and its hint, as in &quot;Not met: Bulb 3 is lit. Bulb 3 is dark: ...&quot;</extracomment>
        <translation>Sin cumplir: %1. %2</translation>
    </message>
    <message>
        <source>%1 is locked by the task.</source>
        <translation>%1 tiene candado por la tarea.</translation>
    </message>
    <message>
        <source>The task lets you add no more of the kind %1.</source>
        <extracomment>No more parts of a kind may be added, as in &quot;The task lets you add no more of the kind Bulb.&quot;</extracomment>
        <translation>La tarea no deja añadir más del tipo %1.</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <extracomment>How many more parts of a kind the task lets the learner add, as in &quot;Bulb: 2 left&quot;.</extracomment>
        <translation>%1: quedan %2</translation>
    </message>
</context>
<context>
    <name>cw::BoardExport</name>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>Save a picture of the board as PNG, SVG or PDF, for a worksheet</source>
        <translation>Guarda una imagen del tablero en PNG, SVG o PDF, por ejemplo para una ficha de trabajo</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Im&amp;primir…</translation>
    </message>
    <message>
        <source>Print the board on one page, with its name and the date</source>
        <translation>Imprime el tablero en una página, con su nombre y la fecha</translation>
    </message>
    <message>
        <source>&amp;Copy Board Image</source>
        <translation>&amp;Copiar imagen del tablero</translation>
    </message>
    <message>
        <source>Put a picture of the board on the clipboard</source>
        <translation>Copia una imagen del tablero al portapapeles</translation>
    </message>
    <message>
        <source>PNG picture, as on screen (*.png)</source>
        <translation>Imagen PNG, como en pantalla (*.png)</translation>
    </message>
    <message>
        <source>PNG picture, twice as fine for print (*.png)</source>
        <translation>Imagen PNG, el doble de fina para imprimir (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export the Board</source>
        <translation>Exportar el tablero</translation>
    </message>
    <message>
        <source>Print the Board</source>
        <translation>Imprimir el tablero</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Untitled circuit</source>
        <translation>Circuito sin título</translation>
    </message>
    <message>
        <source>circuit</source>
        <translation>circuito</translation>
    </message>
</context>
<context>
    <name>cw::BoardStep</name>
    <message>
        <source>Cell</source>
        <translation>Pila</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Interruptor</translation>
    </message>
    <message>
        <source>Resistor</source>
        <translation>Resistencia</translation>
    </message>
    <message>
        <source>Bulb</source>
        <translation>Bombilla</translation>
    </message>
    <message>
        <source>Place %1 %2</source>
        <translation>Colocar %1 %2</translation>
    </message>
    <message>
        <source>Delete %1 %2</source>
        <translation>Eliminar %1 %2</translation>
    </message>
    <message>
        <source>Close %1 %2</source>
        <translation>Cerrar %1 %2</translation>
    </message>
    <message>
        <source>Open %1 %2</source>
        <translation>Abrir %1 %2</translation>
    </message>
    <message>
        <source>Step %1 %2</source>
        <translation>Cambiar %1 %2</translation>
    </message>
    <message>
        <source>Move %1 %2</source>
        <translation>Mover %1 %2</translation>
    </message>
    <message>
        <source>Edit Parts</source>
        <translation>Cambiar componentes</translation>
    </message>
    <message>
        <source>Add Wire</source>
        <translation>Añadir cable</translation>
    </message>
    <message>
        <source>Delete Wire</source>
        <translation>Eliminar cable</translation>
    </message>
    <message>
        <source>Write Note</source>
        <translation>Escribir nota</translation>
    </message>
    <message>
        <source>Erase Note</source>
        <translation>Borrar nota</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Ammeter</source>
        <translation>Amperímetro</translation>
    </message>
    <message>
        <source>Voltmeter</source>
        <translation>Voltímetro</translation>
    </message>
    <message>
        <source>Fuse</source>
        <translation>Fusible</translation>
    </message>
    <message>
        <source>Replace %1 %2</source>
        <translation>Cambiar %1 %2</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Change Task</source>
        <translation>Cambiar la tarea</translation>
    </message>
</context>
<context>
    <name>cw::Circuit</name>
    <message>
        <source>Circuit Workbench</source>
        <translation>Circuit Workbench</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Locked</source>
        <translation>&amp;Con candado</translation>
    </message>
    <message>
        <source>Value &amp;Hidden</source>
        <translation>Valor &amp;oculto</translation>
    </message>
</context>
<context>
    <name>cw::CircuitCommands</name>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Cable</translation>
    </message>
    <message>
        <source>&amp;Pencil</source>
        <translation>&amp;Lápiz</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete &amp;Part</source>
        <translation>E&amp;liminar componente</translation>
    </message>
    <message>
        <source>Delete the part that has the keyboard focus</source>
        <translation>Elimina el componente que tiene el foco del teclado</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>How to build circuits, the tools, the keys and why a bulb is dark</source>
        <translation>Cómo construir circuitos, las herramientas, las teclas y por qué una bombilla está apagada</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Teclado</translation>
    </message>
    <message>
        <source>Every key, for working without a mouse</source>
        <translation>Todas las teclas, para trabajar sin ratón</translation>
    </message>
    <message>
        <source>&amp;About Circuit Workbench</source>
        <translation>&amp;Acerca de Circuit Workbench</translation>
    </message>
    <message>
        <source>The version, the licence and the Qt version</source>
        <translation>La versión, la licencia y la versión de Qt</translation>
    </message>
    <message>
        <source>Show &amp;Current</source>
        <translation>Mostrar la &amp;corriente</translation>
    </message>
    <message>
        <source>Show the current flowing round the circuit as moving dots</source>
        <translation>Muestra la corriente que recorre el circuito como puntos en movimiento</translation>
    </message>
    <message>
        <source>&amp;Electron Flow</source>
        <translation>Flujo de &amp;electrones</translation>
    </message>
    <message>
        <source>Move the dots the way electrons go, from the cell&apos;s negative terminal round to its positive one</source>
        <translation>Mueve los puntos como se mueven los electrones: del polo negativo de la pila, por el circuito, a su polo positivo</translation>
    </message>
    <message>
        <source>Circuit &amp;Diagram</source>
        <translation>Es&amp;quema del circuito</translation>
    </message>
    <message>
        <source>Draw the board as a circuit diagram: standard symbols, black on white</source>
        <translation>Dibuja el tablero como un esquema: símbolos normalizados, negro sobre blanco</translation>
    </message>
    <message>
        <source>&amp;IEC</source>
        <translation>&amp;IEC</translation>
    </message>
    <message>
        <source>The symbols of IEC 60617, as most textbooks outside America use</source>
        <translation>Los símbolos de la norma IEC 60617, los de la mayoría de los libros de texto fuera de América</translation>
    </message>
    <message>
        <source>&amp;ANSI</source>
        <translation>&amp;ANSI</translation>
    </message>
    <message>
        <source>The American symbols: a zigzag resistor</source>
        <translation>Los símbolos americanos: una resistencia en zigzag</translation>
    </message>
    <message>
        <source>&amp;Eraser</source>
        <translation>&amp;Goma de borrar</translation>
    </message>
    <message>
        <source>Eraser (%1): the pencil rubs out the notes it is dragged across</source>
        <translation>Goma de borrar (%1): el lápiz borra las notas sobre las que lo arrastras</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Show the board larger: closer to the parts</source>
        <translation>Muestra el tablero más grande: más cerca de los componentes</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>Show the board smaller: more of it in the window</source>
        <translation>Muestra el tablero más pequeño: cabe más en la ventana</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Ta&amp;maño real</translation>
    </message>
    <message>
        <source>Show the board at its own size</source>
        <translation>Muestra el tablero a su tamaño real</translation>
    </message>
    <message>
        <source>Fit in &amp;Window</source>
        <translation>A&amp;justar a la ventana</translation>
    </message>
    <message>
        <source>Zoom so that every part and note shows in the window</source>
        <translation>Ajusta el zoom para que todos los componentes y notas se vean en la ventana</translation>
    </message>
</context>
<context>
    <name>cw::FileSession</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Start an empty board</source>
        <translation>Empezar con un tablero vacío</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open a circuit saved before</source>
        <translation>Abrir un circuito guardado</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Keep the circuit and its notes in its file</source>
        <translation>Guardar el circuito y sus notas en su archivo</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>Keep the circuit and its notes in a new file</source>
        <translation>Guardar el circuito y sus notas en un archivo nuevo</translation>
    </message>
    <message>
        <source>Open E&amp;xample</source>
        <translation>Abrir e&amp;jemplo</translation>
    </message>
    <message>
        <source>Open a Circuit</source>
        <translation>Abrir un circuito</translation>
    </message>
    <message>
        <source>Save the Circuit</source>
        <translation>Guardar el circuito</translation>
    </message>
    <message>
        <source>Circuit Workbench</source>
        <translation>Circuit Workbench</translation>
    </message>
    <message>
        <source>Save the changes to “%1” before they are lost?</source>
        <translation>¿Guardar los cambios de «%1» antes de perderlos?</translation>
    </message>
    <message>
        <source>Circuit Workbench did not close properly on %1, and a circuit had changes that were not saved. Bring them back?</source>
        <translation>Circuit Workbench no se cerró bien el %1 y un circuito tenía cambios sin guardar. ¿Recuperarlos?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>%1[*] — Circuit Workbench</source>
        <translation>%1[*] — Circuit Workbench</translation>
    </message>
    <message>
        <source>Circuit Workbench cannot open “%1”.

%2</source>
        <translation>Circuit Workbench no puede abrir «%1».

%2</translation>
    </message>
    <message>
        <source>The example cannot be opened.</source>
        <translation>No se puede abrir el ejemplo.</translation>
    </message>
    <message>
        <source>circuit</source>
        <translation>circuito</translation>
    </message>
    <message>
        <source>Circuit Workbench cannot save “%1”: %2. The circuit is not saved.</source>
        <translation>Circuit Workbench no puede guardar «%1»: %2. El circuito no se ha guardado.</translation>
    </message>
    <message>
        <source>One Bulb Lit by One Cell</source>
        <translation>Una pila enciende una bombilla</translation>
    </message>
    <message>
        <source>Two Bulbs in Series and in Parallel</source>
        <translation>Dos bombillas en serie y en paralelo</translation>
    </message>
    <message>
        <source>A Switch Controls One Bulb</source>
        <translation>Un interruptor controla una bombilla</translation>
    </message>
    <message>
        <source>A Wire Shorts a Bulb</source>
        <translation>Un cable cortocircuita una bombilla</translation>
    </message>
    <message>
        <source>Two Cells Aiding and Opposing</source>
        <translation>Dos pilas a favor y en contra</translation>
    </message>
    <message>
        <source>A Resistor Dims a Bulb</source>
        <translation>Una resistencia atenúa una bombilla</translation>
    </message>
    <message>
        <source>Circuits (*.%1)</source>
        <translation>Circuitos (*.%1)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Deshacer el último cambio</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Volver a hacer el cambio deshecho</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rehecho: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>Ammeters Round a Series Loop</source>
        <translation>Amperímetros a lo largo de un circuito en serie</translation>
    </message>
    <message>
        <source>Voltmeters Across a Series Loop</source>
        <translation>Voltímetros en un circuito en serie</translation>
    </message>
    <message>
        <source>A Fuse Stops a Short Circuit</source>
        <translation>Un fusible corta un cortocircuito</translation>
    </message>
    <message>
        <source>Task: Light the Bulb</source>
        <translation>Tarea: Enciende la bombilla</translation>
    </message>
    <message>
        <source>Task: Two Bulbs, Equally Bright</source>
        <translation>Tarea: Dos bombillas igual de brillantes</translation>
    </message>
    <message>
        <source>Task: A Switch for One Bulb</source>
        <translation>Tarea: Un interruptor para una bombilla</translation>
    </message>
    <message>
        <source>Task: Find the Hidden Resistor</source>
        <translation>Tarea: Descubre la resistencia oculta</translation>
    </message>
    <message>
        <source>Task: Fix the Short Circuit</source>
        <translation>Tarea: Arregla el cortocircuito</translation>
    </message>
    <message>
        <source>Task: Protect the Circuit with the Right Fuse</source>
        <translation>Tarea: Protege el circuito con el fusible adecuado</translation>
    </message>
</context>
<context>
    <name>cw::GoalDialog</name>
    <message>
        <source>A bulb is lit</source>
        <translation>Una bombilla está encendida</translation>
    </message>
    <message>
        <source>A bulb is dark</source>
        <translation>Una bombilla está apagada</translation>
    </message>
    <message>
        <source>Every bulb is lit</source>
        <translation>Todas las bombillas están encendidas</translation>
    </message>
    <message>
        <source>Every bulb is dark</source>
        <translation>Todas las bombillas están apagadas</translation>
    </message>
    <message>
        <source>A bulb is brighter than another</source>
        <translation>Una bombilla brilla más que otra</translation>
    </message>
    <message>
        <source>Two bulbs are as bright as each other</source>
        <translation>Dos bombillas brillan igual</translation>
    </message>
    <message>
        <source>A switch turns a bulb on and off</source>
        <translation>Un interruptor enciende y apaga una bombilla</translation>
    </message>
    <message>
        <source>A switch turns only one bulb on and off</source>
        <translation>Un interruptor enciende y apaga solo una bombilla</translation>
    </message>
    <message>
        <source>A meter reads a value</source>
        <translation>Un medidor marca un valor</translation>
    </message>
    <message>
        <source>No cell is shorted</source>
        <translation>Ninguna pila está en cortocircuito</translation>
    </message>
    <message>
        <source>No fuse has blown</source>
        <translation>Ningún fusible se ha fundido</translation>
    </message>
    <message>
        <source>At most so many parts of a kind</source>
        <translation>Como máximo tantos componentes de un tipo</translation>
    </message>
    <message>
        <source>The learner types an answer</source>
        <translation>El alumno escribe una respuesta</translation>
    </message>
    <message>
        <source>Add a Goal</source>
        <translation>Añadir un objetivo</translation>
    </message>
    <message>
        <source>&amp;Goal:</source>
        <translation>&amp;Objetivo:</translation>
    </message>
    <message>
        <source>&amp;Part:</source>
        <translation>&amp;Componente:</translation>
    </message>
    <message>
        <source>&amp;Other part:</source>
        <translation>Otro com&amp;ponente:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Most:</source>
        <translation>&amp;Máximo:</translation>
    </message>
    <message>
        <source>&amp;Question:</source>
        <translation>Pre&amp;gunta:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Unidad:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Valor:</translation>
    </message>
    <message>
        <source>Give or &amp;take:</source>
        <translation>M&amp;argen (±):</translation>
    </message>
    <message>
        <source>Every bulb</source>
        <translation>Todas las bombillas</translation>
    </message>
</context>
<context>
    <name>cw::HelpWindow</name>
    <message>
        <source>Circuit Workbench Help</source>
        <translation>Ayuda de Circuit Workbench</translation>
    </message>
    <message>
        <source>Building a circuit</source>
        <translation>Montar un circuito</translation>
    </message>
    <message>
        <source>Drag a battery cell, a switch, a resistor or a bulb from the strip at the bottom onto the board. Let go over the strip to cancel.</source>
        <translation>Arrastra una pila, un interruptor, una resistencia o una bombilla desde la barra inferior hasta el tablero. Suelta el componente sobre la barra para cancelar.</translation>
    </message>
    <message>
        <source>A new switch is open: click it with the line tool to close or open it.</source>
        <translation>Un interruptor nuevo está abierto: haz clic en él con la herramienta de cable para cerrarlo o abrirlo.</translation>
    </message>
    <message>
        <source>A bulb glows brighter the more current flows through it: grey when dark, pale yellow, then full yellow.</source>
        <translation>Una bombilla brilla más cuanta más corriente pasa por ella: gris cuando está apagada, amarillo pálido y luego amarillo intenso.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>The pointer shows what a press will do: a cross where a wire would start on a terminal or junction, a pointing hand where a click toggles, steps or deletes, a four-way arrow over a part you can move, a text cursor where the pencil writes.</source>
        <translation>El puntero muestra qué hará una pulsación: una cruz donde empezaría un cable en un terminal o un nudo, una mano que señala donde un clic conmuta, cambia el valor o elimina, una flecha de cuatro puntas sobre un componente que se puede mover, un cursor de texto donde escribe el lápiz.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>move between the parts in the strip, the tools, the parts on the board and the board</source>
        <translation>pasar por los componentes de la barra, las herramientas, los componentes del tablero y el tablero</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Mayús+Tab</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Espacio, Intro</translation>
    </message>
    <message>
        <source>pick up a new part from the strip and put it down; choose a tool; click the focused part (with the line tool a switch toggles and a resistor steps, with the delete tool the part goes); on the board, start and end a wire at the cursor, or with the delete tool delete the wire there</source>
        <translation>tomar un componente nuevo de la barra y dejarla; elegir una herramienta; hacer clic en el componente que tiene el foco (con la herramienta de cable un interruptor conmuta y una resistencia cambia de valor, con la herramienta eliminar el componente se elimina); en el tablero, empezar y terminar un cable en el cursor o, con la herramienta eliminar, eliminar el cable que hay allí</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Flechas</translation>
    </message>
    <message>
        <source>N, Shift+N</source>
        <translation>N, Mayús+N</translation>
    </message>
    <message>
        <source>on the board, jump the cursor to the next or previous terminal or junction</source>
        <translation>en el tablero, saltar con el cursor al terminal o el nudo siguiente o anterior</translation>
    </message>
    <message>
        <source>W, Shift+W</source>
        <translation>W, Mayús+W</translation>
    </message>
    <message>
        <source>on the board, jump the cursor to the middle of the next or previous wire</source>
        <translation>en el tablero, saltar con el cursor al centro del cable siguiente o anterior</translation>
    </message>
    <message>
        <source>cancel the new part or the wire being drawn</source>
        <translation>cancelar el componente nuevo o el cable que se está trazando</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Why a bulb is dark</source>
        <translation>Por qué una bombilla está apagada</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Circuit Workbench %1</source>
        <translation>Circuit Workbench %1</translation>
    </message>
    <message>
        <source>Licensed under the GNU General Public License, version 3 or later.</source>
        <translation>Distribuido bajo la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Compilado con Qt %1, se ejecuta con Qt %2.</translation>
    </message>
    <message>
        <source>A battery cell gives %1 volts; its left terminal is positive.</source>
        <translation>Una pila da %1 voltios; su terminal izquierdo es el polo positivo.</translation>
    </message>
    <message>
        <source>A new resistor is %1 ohms: each click with the line tool steps it to %2, %3 and back to %1 ohms.</source>
        <translation>Una resistencia nueva es de %1 ohmios: cada clic con la herramienta de cable la pasa a %2, a %3 y de nuevo a %1 ohmios.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Line tool&lt;/b&gt;: press just outside a part&apos;s left or right edge, on its terminal, drag and let go on another terminal to draw a wire. Drag parts on the board to move them.</source>
        <translation>&lt;b&gt;Herramienta de cable&lt;/b&gt;: pulsa justo fuera del borde izquierdo o derecho de un componente, sobre su terminal, arrastra y suelta sobre otro terminal para trazar un cable. Arrastra los componentes del tablero para moverlos.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pencil tool&lt;/b&gt;: write notes over the board; a drag with the right button rubs them out. Notes never change the circuit.</source>
        <translation>&lt;b&gt;Herramienta lápiz&lt;/b&gt;: escribe notas sobre el tablero; al arrastrar con el botón derecho se borran. Las notas nunca cambian el circuito.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Delete tool&lt;/b&gt;: click a part or a wire to delete it.</source>
        <translation>&lt;b&gt;Herramienta eliminar&lt;/b&gt;: haz clic en un componente o un cable para eliminarlo.</translation>
    </message>
    <message>
        <source>move the new part, the focused part or the board&apos;s cursor %1 pixels; with Shift, %2 pixel. With the line tool a switch or resistor moved %3 pixels or less counts as a click, as with the mouse</source>
        <translation>mueve el componente nuevo, el componente con el foco o el cursor del tablero %1 píxeles; con Mayús, %2 píxel. Con la herramienta de cable, un interruptor o una resistencia movidos %3 píxeles o menos cuentan como un clic, igual que con el ratón</translation>
    </message>
    <message>
        <source>Hover over a bulb, or move the keyboard focus to it, to see (or hear, with a screen reader) why it is dark. The first of these that holds is said: a wire joins its two terminals (shorted by a wire); no loop passes through it (not in a closed loop); closing the open switches would put it in a loop with a cell (a switch in its loop is open); its loops hold no cell (no cell in its circuit); its loops hold cells but no current flows (the cells cancel out); or less than a hundredth of an ampere flows (too little current).</source>
        <translation>Pasa el puntero sobre una bombilla o selecciónala con el teclado para ver (o, con un lector de pantalla, oír) por qué está apagada. Se dice el primero de estos motivos que se cumpla: un cable une sus dos terminales (cortocircuitada por un cable); ningún circuito pasa por ella (no está en un circuito cerrado); al cerrar los interruptores abiertos quedaría en un circuito con una pila (un interruptor de su circuito está abierto); sus circuitos no tienen ninguna pila (no hay ninguna pila en su circuito); sus circuitos tienen pilas, pero no pasa corriente (las pilas se anulan); o pasa menos de una centésima de amperio (demasiado poca corriente).</translation>
    </message>
    <message>
        <source>Keeping your work</source>
        <translation>Guardar el trabajo</translation>
    </message>
    <message>
        <source>File ▸ Save (%1) keeps the circuit and your notes in a file; File ▸ Open (%2) brings it back, and so does double-clicking the file or dropping it on the window. File ▸ Open Example has ready-made circuits with a note on what to notice.</source>
        <translation>Archivo ▸ Guardar (%1) guarda el circuito y tus notas en un archivo; Archivo ▸ Abrir (%2) lo recupera, igual que hacer doble clic en el archivo o soltarlo sobre la ventana. Archivo ▸ Abrir ejemplo tiene circuitos listos con una nota sobre qué observar.</translation>
    </message>
    <message>
        <source>Before New, Open or closing would lose changes, you are asked whether to save them. If the program stops without closing, the next start offers the unsaved changes back.</source>
        <translation>Antes de que Nuevo, Abrir o cerrar pierdan cambios, se te pregunta si quieres guardarlos. Si el programa se detiene sin cerrarse, el siguiente inicio ofrece recuperar los cambios sin guardar.</translation>
    </message>
    <message>
        <source>Edit ▸ Undo (%1) takes back the last change: a part placed, moved or deleted, a wire, a switch or resistor clicked, a note written or rubbed out; Edit ▸ Redo (%2) makes it again. The two arrows at the right of the menu bar do the same and say which change they mean.</source>
        <translation>Editar ▸ Deshacer (%1) deshace el último cambio: un componente colocado, movido o eliminado, un cable, un interruptor o una resistencia pulsados, una nota escrita o borrada; Editar ▸ Rehacer (%2) lo vuelve a hacer. Las dos flechas a la derecha de la barra de menús hacen lo mismo y dicen a qué cambio se refieren.</translation>
    </message>
    <message>
        <source>Seeing the current</source>
        <translation>Ver la corriente</translation>
    </message>
    <message>
        <source>View ▸ Show Current (%1) sets dots moving along every wire and through every part that carries current: out of a cell&apos;s positive terminal, round the circuit and back into its negative one. The more current, the faster: 0.1 A moves a dot %2 pixels a second, and no dot goes faster than %3 pixels a second. Where no current flows, nothing moves. View ▸ Electron Flow runs the dots the other way, as the electrons themselves move.</source>
        <translation>Ver ▸ Mostrar la corriente (%1) pone puntos en movimiento por cada cable y por cada componente por el que pasa corriente: salen del polo positivo de una pila, recorren el circuito y vuelven a su polo negativo. Cuanta más corriente, más rápido: con 0,1 A un punto avanza %2 píxeles por segundo, y ningún punto va más rápido que %3 píxeles por segundo. Donde no pasa corriente, nada se mueve. Ver ▸ Flujo de electrones hace que los puntos vayan al revés, como se mueven los propios electrones.</translation>
    </message>
    <message>
        <source>For worksheets: File ▸ Export… (%1) saves a picture of the board as PNG (as on screen, or twice as fine for print), SVG or PDF; File ▸ Print… (%2) prints it on one page with its name and the date; Edit ▸ Copy Board Image (%3) puts it on the clipboard. The pictures show the parts, wires, glowing bulbs, moving dots and notes, not the strip.</source>
        <translation>Para fichas de trabajo: Archivo ▸ Exportar… (%1) guarda una imagen del tablero en PNG (como en pantalla, o el doble de fina para imprimir), SVG o PDF; Archivo ▸ Imprimir… (%2) la imprime en una página con su nombre y la fecha; Editar ▸ Copiar imagen del tablero (%3) la copia al portapapeles. Las imágenes muestran los componentes, los cables, las bombillas encendidas, los puntos en movimiento y las notas, no la barra.</translation>
    </message>
    <message>
        <source>Point at a part to read the current through it and the voltage across it, as in &quot;Resistor 3: 10 ohms, 0.071 A, 0.71 V&quot;. Currents are read to the milliampere and voltages to the hundredth of a volt, rounded, so every part of a series loop reads the same current. For a lab&apos;s view, drag an ammeter (wired into the loop) or a voltmeter (wired across a part) from the Meters and Fuses bar under the menus: its face shows the reading, signed from its red + terminal to its black one.</source>
        <translation>Señala un componente para leer la corriente que lo atraviesa y la tensión entre sus terminales, como en «Resistencia 3: 10 ohmios, 0,071 A, 0,71 V». Las corrientes se leen redondeadas al miliamperio y las tensiones a la centésima de voltio, así que todos los componentes de un circuito en serie marcan la misma corriente. Como en el laboratorio: arrastra un amperímetro (conectado en el circuito) o un voltímetro (conectado en paralelo a un componente) desde la barra «Medidores y fusibles» bajo los menús; su pantalla muestra la lectura con signo, del terminal + rojo al terminal negro.</translation>
    </message>
    <message>
        <source>A fuse from the same bar protects a circuit: it is rated 0.25, 0.5 or 1 A, and when more current than that flows through it, it blows and opens the circuit (the fuse most overloaded goes first). Click a fuse with the line tool to change its rating, or to put in a new one once it has blown.</source>
        <translation>Un fusible de la misma barra protege un circuito: es de 0,25, 0,5 o 1 A y, cuando pasa por él más corriente, se funde y abre el circuito (primero el más sobrecargado). Haz clic en un fusible con la herramienta de cable para cambiar su corriente nominal o para poner uno nuevo cuando se haya fundido.</translation>
    </message>
    <message>
        <source>View ▸ Circuit Diagram (%1) draws the same board as a circuit diagram, black on white for a projector or a worksheet: each part as its standard symbol with its label (R3 10 Ω, L2, 1.5 V), a dot where three connections meet. Everything works as before; View ▸ Symbols chooses IEC or ANSI symbols. Export, print and copy draw the view shown.</source>
        <translation>Ver ▸ Esquema del circuito (%1) dibuja el mismo tablero como un esquema, negro sobre blanco para un proyector o una ficha: cada componente con su símbolo normalizado y su rótulo (R3 10 Ω, L2, 1,5 V), un punto donde se unen tres conexiones. Todo funciona como antes; Ver ▸ Símbolos elige los símbolos IEC o ANSI. Exportar, imprimir y copiar dibujan la vista que se muestra.</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>A task is a circuit with instructions and goals, shown in the task panel beside the board (View ▸ Task Panel hides it). A padlock marks a part you cannot move, delete or click; a “?” marks a value to find by measuring. The strip and the Meters and Fuses bar show how many more parts of each kind you may add. Build the circuit, type any answers, then press Check (Tools ▸ Check Task, %1): each goal gets a tick or a cross, and under a cross a hint from your circuit, such as which bulb is dark and why. Check changes nothing. Saving keeps your work with the task. File ▸ Open Example has six tasks to try.</source>
        <translation>Una tarea es un circuito con instrucciones y objetivos, que se muestran en el panel de la tarea junto al tablero (Ver ▸ Panel de la tarea lo oculta). Un candado marca un componente que no puedes mover, borrar ni pulsar; un «?» marca un valor que debes descubrir midiendo. La barra de abajo y la barra «Medidores y fusibles» muestran cuántos componentes de cada tipo puedes añadir todavía. Monta el circuito, escribe tus respuestas y pulsa Comprobar (Herramientas ▸ Comprobar la tarea, %1): cada objetivo recibe una marca de correcto o una cruz, y bajo cada cruz aparece una pista sacada de tu circuito, por ejemplo qué bombilla está apagada y por qué. Comprobar no cambia nada. Al guardar, tu trabajo se guarda con la tarea. En Archivo ▸ Abrir ejemplo hay seis tareas para probar.</translation>
    </message>
    <message>
        <source>For teachers: build a board, then choose Task ▸ New Task From This Board. In the task editor write a title and instructions, lock parts or hide their values (in the editor&apos;s list, or from a part&apos;s menu on the board: right-click it, or press the Menu key), say how many parts of each kind learners may add, and add goals: a bulb lit or dark, one bulb brighter than or as bright as another (judged on the current to the milliampere), a switch that turns a bulb on and off (or only that bulb), a meter reading a value, no cell shorted, no fuse blown, at most so many parts of a kind, or a number the learner types with its unit. Press Done, then save the file and hand it out.</source>
        <translation>Para docentes: monta un circuito y elige Tarea ▸ Nueva tarea a partir de este tablero. En el editor de la tarea escribe un título y las instrucciones, pon candado a componentes u oculta sus valores (en la lista del editor o desde el menú de un componente en el tablero: clic derecho o tecla de menú), indica cuántos componentes de cada tipo pueden añadir los alumnos y añade objetivos: una bombilla encendida o apagada, una bombilla que brilla más que otra o igual (según la corriente, al miliamperio), un interruptor que enciende y apaga una bombilla (o solo esa), un medidor que marca un valor, ninguna pila en cortocircuito, ningún fusible fundido, como máximo tantos componentes de un tipo, o un número con su unidad que escribe el alumno. Pulsa Listo, guarda el archivo y repártelo.</translation>
    </message>
    <message>
        <source>Tasks are for classroom practice, not a secure exam: Task ▸ Edit Task lets anyone open the editor again, and the file holds the hidden values.</source>
        <translation>Las tareas son para practicar en clase, no para un examen seguro: con Tarea ▸ Editar la tarea cualquiera puede volver a abrir el editor, y el archivo contiene los valores ocultos.</translation>
    </message>
    <message>
        <source>check the task: a tick or a cross for each goal</source>
        <translation>comprobar la tarea: una marca o una cruz para cada objetivo</translation>
    </message>
    <message>
        <source>Menu, Shift+F10</source>
        <translation>Menú, Mayús+F10</translation>
    </message>
    <message>
        <source>while a task is edited, lock the focused part or hide its value</source>
        <translation>al editar una tarea, poner candado al componente seleccionado u ocultar su valor</translation>
    </message>
    <message>
        <source>move the keyboard between the board and the task panel</source>
        <translation>llevar el teclado entre el tablero y el panel de la tarea</translation>
    </message>
    <message>
        <source>Predict first</source>
        <translation>Predecir primero</translation>
    </message>
    <message>
        <source>View ▸ Predict First asks you to think before you look. After each change to the circuit, the bulbs show white glass with a “?”, the meters “?”, and the current&apos;s view and the readings stay hidden. Click each bulb, with any tool (or press Space on it), to say what you expect: dark (no light), dim (lit, under 0.10 A) or bright (0.10 A or more). Then press Show Results (%1, Enter on a part, or the button in the status bar): the circuit shows as it is, and each prediction is marked right or wrong. The status bar counts your right predictions since you switched the mode on.</source>
        <translation>Ver ▸ Predecir primero te pide pensar antes de mirar. Tras cada cambio del circuito, las bombillas muestran un cristal blanco con «?», los medidores «?», y la vista de la corriente y las lecturas quedan ocultas. Haz clic en cada bombilla, con cualquier herramienta (o pulsa Espacio sobre ella), para decir lo que esperas: apagada (sin luz), tenue (encendida, menos de 0,10 A) o brillante (0,10 A o más). Después pulsa Mostrar resultados (%1, Intro sobre un componente o el botón de la barra de estado): el circuito se muestra tal como es y cada predicción se marca como correcta o incorrecta. La barra de estado cuenta tus predicciones correctas desde que activaste el modo.</translation>
    </message>
    <message>
        <source>For a wrong prediction, the Predictions panel explains the bulb from the circuit, the first of these that fits:</source>
        <translation>Para una predicción incorrecta, el panel Predicciones explica la bombilla a partir del circuito, con la primera de estas razones que se cumpla:</translation>
    </message>
    <message>
        <source>a wire joins its terminals: the current takes the wire;</source>
        <translation>un cable une sus terminales: la corriente va por el cable;</translation>
    </message>
    <message>
        <source>a switch in its loop is open: no current flows round it;</source>
        <translation>un interruptor de su circuito está abierto: no circula corriente;</translation>
    </message>
    <message>
        <source>the cells in its loop push against each other: no current;</source>
        <translation>las pilas de su circuito empujan una contra otra: no hay corriente;</translation>
    </message>
    <message>
        <source>another reason it is dark (not in a closed loop, no cell, a fuse blown);</source>
        <translation>otra razón por la que está apagada (no está en un circuito cerrado, no hay pila, un fusible fundido);</translation>
    </message>
    <message>
        <source>two or more cells push the same way round its loop: more current;</source>
        <translation>dos o más pilas empujan en el mismo sentido en su circuito: más corriente;</translation>
    </message>
    <message>
        <source>another bulb is in its loop, one after the other: the same current passes through both, none is used up on the way;</source>
        <translation>otra bombilla está en su circuito, una tras otra: la misma corriente pasa por las dos, no se gasta nada por el camino;</translation>
    </message>
    <message>
        <source>a resistor is in its loop: before the bulb or after it, the current is the same all the way round;</source>
        <translation>hay una resistencia en su circuito: antes o después de la bombilla, la corriente es la misma en todo el recorrido;</translation>
    </message>
    <message>
        <source>it has a path of its own across the cell: its own current, while the cell gives more in all, shared between the paths;</source>
        <translation>tiene un camino propio entre los bornes de la pila: su propia corriente, mientras la pila da más en total, repartida entre los caminos;</translation>
    </message>
    <message>
        <source>otherwise, that it is lit, with its current.</source>
        <translation>si no, que está encendida, con su corriente.</translation>
    </message>
    <message>
        <source>with Predict First, show the results and how the predictions did (Enter on a part does the same; Space on a bulb steps its prediction)</source>
        <translation>con Predecir primero, mostrar los resultados y cómo han ido las predicciones (Intro sobre un componente hace lo mismo; Espacio sobre una bombilla cambia su predicción)</translation>
    </message>
    <message>
        <source>With a finger or a pen</source>
        <translation>Con el dedo o con un lápiz óptico</translation>
    </message>
    <message>
        <source>A finger does what the left button does: drag parts, draw wires, tap switches, resistors and tools, write notes. It reaches twice as far as the mouse: a wire snaps to a terminal up to %1 pixels away, and a tap may slip %2 pixels. A part you drag with a finger is shown above it, where it will land. A second finger calls off what the first is doing, as Escape does. Tools ▸ Eraser (%3) makes the pencil rub notes out with a finger or the left button; a pen writes with its tip and rubs out with its other end.</source>
        <translation>Un dedo hace lo mismo que el botón izquierdo: arrastrar componentes, dibujar cables, tocar interruptores, resistencias y herramientas, escribir notas. Llega el doble de lejos que el ratón: un cable se engancha a un terminal que esté hasta a %1 píxeles, y al tocar el dedo puede deslizarse %2 píxeles. Un componente que arrastras con el dedo se muestra por encima de él, donde va a quedar. Un segundo dedo cancela lo que está haciendo el primero, como la tecla Esc. Con Herramientas ▸ Goma de borrar (%3), el lápiz borra las notas con el dedo o con el botón izquierdo; un lápiz óptico escribe con la punta y borra con el otro extremo.</translation>
    </message>
    <message>
        <source>Zooming the board</source>
        <translation>Acercar y alejar el tablero</translation>
    </message>
    <message>
        <source>View ▸ Zoom In (%1) and Zoom Out (%2) show the board larger or smaller, from 50 % to 300 %; Ctrl with the mouse wheel zooms about the pointer, and two fingers pinch. View ▸ Actual Size (%3) goes back, and Fit in Window shows every part and note. A board larger than the window scrolls. The strip keeps its size, and the parts, wires and snapping are the same at every zoom; files and pictures keep the board at its actual size.</source>
        <translation>Ver ▸ Acercar (%1) y Alejar (%2) muestran el tablero más grande o más pequeño, del 50 % al 300 %; Ctrl con la rueda del ratón acerca o aleja alrededor del puntero, y con dos dedos puedes pellizcar. Ver ▸ Tamaño real (%3) vuelve atrás, y Ajustar a la ventana muestra todos los componentes y notas. Si el tablero es más grande que la ventana, se desplaza. La barra conserva su tamaño, y los componentes, los cables y el ajuste a los terminales son iguales con cualquier zoom; los archivos y las imágenes guardan el tablero a su tamaño real.</translation>
    </message>
</context>
<context>
    <name>cw::MainWindow</name>
    <message>
        <source>Circuit Workbench</source>
        <translation>Circuit Workbench</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Close Circuit Workbench</source>
        <translation>Cierra Circuit Workbench</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>Show the board on the whole screen, for the class to see</source>
        <translation>Muestra el tablero en toda la pantalla, para que lo vea la clase</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Line tool: drag from one terminal to another to draw a wire; click a switch or a resistor to change it. %1: help</source>
        <translation>Herramienta de cable: arrastra de un terminal a otro para trazar un cable; haz clic en un interruptor o una resistencia para cambiarlos. %1: ayuda</translation>
    </message>
    <message>
        <source>Delete tool: click a part or a wire to delete it. %1: help</source>
        <translation>Herramienta eliminar: haz clic en un componente o un cable para eliminarlo. %1: ayuda</translation>
    </message>
    <message>
        <source>Pencil: draw notes. To join parts with wires, choose the Line tool (%1). %2: help</source>
        <translation>Lápiz: dibuja notas. Para unir componentes con cables, elige la herramienta de cable (%1). %2: ayuda</translation>
    </message>
    <message>
        <source>&amp;Symbols</source>
        <translation>&amp;Símbolos</translation>
    </message>
    <message>
        <source>T&amp;ask</source>
        <translation>&amp;Tarea</translation>
    </message>
    <message>
        <source>Switch Between Board and &amp;Task Panel</source>
        <translation>Pasar entre el tablero y el panel de la &amp;tarea</translation>
    </message>
    <message>
        <source>Move the keyboard from the board to the task panel and back</source>
        <translation>Llevar el teclado del tablero al panel de la tarea y de vuelta</translation>
    </message>
    <message>
        <source>&amp;Predict First</source>
        <translation>Pre&amp;decir primero</translation>
    </message>
    <message>
        <source>After each change, predict every bulb before the results show</source>
        <translation>Tras cada cambio, predecir cada bombilla antes de ver los resultados</translation>
    </message>
    <message>
        <source>S&amp;how Results</source>
        <translation>Mostrar &amp;resultados</translation>
    </message>
    <message>
        <source>Show the bulbs, meters and current, and how your predictions did</source>
        <translation>Mostrar las bombillas, los medidores y la corriente, y cómo han ido tus predicciones</translation>
    </message>
    <message>
        <source>Predictions</source>
        <translation>Predicciones</translation>
    </message>
    <message>
        <source>Predict: click each bulb for dark, dim or bright, then Show (%1).</source>
        <extracomment>Said when a change hides the results until the learner has predicted them.</extracomment>
        <translation>Predice: haz clic en cada bombilla para apagada, tenue o brillante, y luego muestra (%1).</translation>
    </message>
    <message>
        <source>Line tool: drag between terminals to wire; click to change a switch. %1: help</source>
        <extracomment>The line tool&apos;s hint where the window is narrow (582 pixels): keep it short.</extracomment>
        <translation>Cable: arrastra entre terminales; clic en un interruptor lo cambia. %1: ayuda</translation>
    </message>
    <message>
        <source>Delete tool: click a part or wire to delete it. %1: help</source>
        <extracomment>The delete tool&apos;s hint where the window is narrow (582 pixels): keep it short.</extracomment>
        <translation>Eliminar: clic en un componente o cable. %1: ayuda</translation>
    </message>
    <message>
        <source>Pencil: draw notes. For wires, the Line tool (%1). %2: help</source>
        <extracomment>The pencil&apos;s hint where the window is narrow (582 pixels): keep it short.</extracomment>
        <translation>Lápiz: notas. Para cables, la herramienta de cable (%1). %2: ayuda</translation>
    </message>
    <message>
        <source>%1: help</source>
        <translation>%1: ayuda</translation>
    </message>
    <message>
        <source>Eraser: drag across notes to rub them out. To write again, choose the Pencil (%1). %2: help</source>
        <translation>Goma de borrar: arrastra sobre las notas para borrarlas. Para volver a escribir, elige el lápiz (%1). %2: ayuda</translation>
    </message>
    <message>
        <source>Eraser: drag across notes to rub them out. %1: help</source>
        <extracomment>The eraser&apos;s hint where the window is narrow (582 pixels): keep it short.</extracomment>
        <translation>Goma de borrar: arrastra sobre las notas para borrarlas. %1: ayuda</translation>
    </message>
</context>
<context>
    <name>cw::PartBar</name>
    <message>
        <source>Meters and Fuses</source>
        <translation>Medidores y fusibles</translation>
    </message>
</context>
<context>
    <name>cw::TaskPanel</name>
    <message>
        <source>Task</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>&amp;Task Panel</source>
        <translation>Panel de la &amp;tarea</translation>
    </message>
    <message>
        <source>Show or hide the task beside the board</source>
        <translation>Mostrar u ocultar la tarea junto al tablero</translation>
    </message>
    <message>
        <source>&amp;Check Task</source>
        <translation>C&amp;omprobar la tarea</translation>
    </message>
    <message>
        <source>Tick each goal of the task the circuit meets, with a hint for the others</source>
        <translation>Marcar cada objetivo de la tarea que cumple el circuito, con una pista para los demás</translation>
    </message>
    <message>
        <source>&amp;New Task From This Board</source>
        <translation>&amp;Nueva tarea a partir de este tablero</translation>
    </message>
    <message>
        <source>Make this board a task: lock or hide parts, set goals</source>
        <translation>Convertir este tablero en una tarea: poner candado u ocultar componentes, fijar objetivos</translation>
    </message>
    <message>
        <source>&amp;Edit Task</source>
        <translation>&amp;Editar la tarea</translation>
    </message>
    <message>
        <source>Change the task&apos;s instructions, rules and goals</source>
        <translation>Cambiar las instrucciones, las reglas y los objetivos de la tarea</translation>
    </message>
    <message>
        <source>&amp;Remove Task</source>
        <translation>&amp;Quitar la tarea</translation>
    </message>
    <message>
        <source>Make the board an ordinary circuit again</source>
        <translation>Volver a convertir el tablero en un circuito normal</translation>
    </message>
    <message>
        <source>&amp;Goals:</source>
        <translation>&amp;Objetivos:</translation>
    </message>
    <message>
        <source>Chec&amp;k</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>Check the task (F5)</source>
        <translation>Comprobar la tarea (F5)</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Instructions:</source>
        <translation>&amp;Instrucciones:</translation>
    </message>
    <message>
        <source>&amp;Parts (also from a part&apos;s menu on the board):</source>
        <translation>&amp;Componentes (también desde el menú de un componente en el tablero):</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Componente</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Con candado</translation>
    </message>
    <message>
        <source>Value hidden</source>
        <translation>Valor oculto</translation>
    </message>
    <message>
        <source>Parts the learner may add</source>
        <translation>Componentes que puede añadir el alumno</translation>
    </message>
    <message>
        <source>any number</source>
        <translation>los que quiera</translation>
    </message>
    <message>
        <source>G&amp;oals:</source>
        <translation>O&amp;bjetivos:</translation>
    </message>
    <message>
        <source>&amp;Add Goal…</source>
        <translation>&amp;Añadir objetivo…</translation>
    </message>
    <message>
        <source>Remo&amp;ve Goal</source>
        <translation>&amp;Quitar objetivo</translation>
    </message>
    <message>
        <source>&amp;Done: Give It to Learners</source>
        <translation>&amp;Listo: dársela a los alumnos</translation>
    </message>
    <message>
        <source>Leave the editor: the locks and limits hold, and the parts on the board now belong to the task</source>
        <translation>Salir del editor: los candados y los límites se aplican, y los componentes del tablero pasan a ser de la tarea</translation>
    </message>
    <message>
        <source>Task Editor</source>
        <translation>Editor de la tarea</translation>
    </message>
    <message>
        <source>Build the circuit, then press Check (F5).</source>
        <translation>Monta el circuito y pulsa Comprobar (F5).</translation>
    </message>
    <message>
        <source>%1 locked</source>
        <translation>%1 con candado</translation>
    </message>
    <message>
        <source>%1 value hidden</source>
        <translation>%1 valor oculto</translation>
    </message>
    <message>
        <source>The circuit changed: press Check (F5) again.</source>
        <translation>El circuito ha cambiado: pulsa Comprobar (F5) otra vez.</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Objetivos</translation>
    </message>
</context>
</TS>
