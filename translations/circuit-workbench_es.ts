<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <source>1.5 volts</source>
        <translation>1,5 voltios</translation>
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
        <translation>%1: arrastrar al tablero, o pulsar Espacio para tomar una pieza</translation>
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
        <translation>Herramienta de borrar</translation>
    </message>
    <message>
        <source>Line tool (L): drag from a terminal to another to draw a wire; click a switch to open or close it, a resistor to change its value</source>
        <translation>Herramienta de cable (L): arrastra de un terminal a otro para tender un cable; haz clic en un interruptor para abrirlo o cerrarlo, en una resistencia para cambiar su valor</translation>
    </message>
    <message>
        <source>Pencil tool (P): write notes over the board; drag with the right button to rub them out</source>
        <translation>Herramienta lápiz (P): escribe notas sobre el tablero; arrastra con el botón derecho para borrarlas</translation>
    </message>
    <message>
        <source>Delete tool (D): click a part or a wire to delete it</source>
        <translation>Herramienta de borrar (D): haz clic en una pieza o un cable para eliminarlo</translation>
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
        <translation>%1, sobre una unión</translation>
    </message>
    <message>
        <source>%1, on the second terminal of %2</source>
        <translation>%1, sobre el segundo terminal de %2</translation>
    </message>
    <message>
        <source>%1, on the first terminal of %2</source>
        <translation>%1, sobre el primer terminal de %2</translation>
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
        <translation>Arrastra una pila, un interruptor, una resistencia o una bombilla desde la barra inferior hasta el tablero. Suéltala sobre la barra para cancelar.</translation>
    </message>
    <message>
        <source>A battery cell gives 1.5 volts; its left terminal is positive.</source>
        <translation>Una pila da 1,5 voltios; su terminal izquierdo es el positivo.</translation>
    </message>
    <message>
        <source>A new switch is open: click it with the line tool to close or open it.</source>
        <translation>Un interruptor nuevo está abierto: haz clic en él con la herramienta de cable para cerrarlo o abrirlo.</translation>
    </message>
    <message>
        <source>A new resistor is 10 ohms: each click with the line tool steps it to 20, 5 and back to 10 ohms.</source>
        <translation>Una resistencia nueva es de 10 ohmios: cada clic con la herramienta de cable la pasa a 20, a 5 y de nuevo a 10 ohmios.</translation>
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
        <source>&lt;b&gt;Line tool&lt;/b&gt; (L): press just outside a part&apos;s left or right edge, on its terminal, drag and let go on another terminal to draw a wire. Drag parts on the board to move them.</source>
        <translation>&lt;b&gt;Herramienta de cable&lt;/b&gt; (L): pulsa justo fuera del borde izquierdo o derecho de una pieza, sobre su terminal, arrastra y suelta sobre otro terminal para tender un cable. Arrastra las piezas del tablero para moverlas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pencil tool&lt;/b&gt; (P): write notes over the board; a drag with the right button rubs them out. Notes never change the circuit.</source>
        <translation>&lt;b&gt;Herramienta lápiz&lt;/b&gt; (P): escribe notas sobre el tablero; al arrastrar con el botón derecho se borran. Las notas nunca cambian el circuito.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Delete tool&lt;/b&gt; (D): click a part or a wire to delete it.</source>
        <translation>&lt;b&gt;Herramienta de borrar&lt;/b&gt; (D): haz clic en una pieza o un cable para eliminarlo.</translation>
    </message>
    <message>
        <source>The pointer shows what a press will do: a cross where a wire would start on a terminal or junction, a pointing hand where a click toggles, steps or deletes, a four-way arrow over a part you can move, a text cursor where the pencil writes.</source>
        <translation>El puntero muestra qué hará una pulsación: una cruz donde empezaría un cable en un terminal o una unión, una mano que señala donde un clic conmuta, cambia el valor o elimina, una flecha de cuatro puntas sobre una pieza que se puede mover, un cursor de texto donde escribe el lápiz.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>move between the parts in the strip, the tools, the parts on the board and the board</source>
        <translation>pasar por las piezas de la barra, las herramientas, las piezas del tablero y el tablero</translation>
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
        <translation>tomar una pieza nueva de la barra y dejarla; elegir una herramienta; hacer clic en la pieza seleccionada (con la herramienta de cable un interruptor conmuta y una resistencia cambia de valor, con la herramienta de borrar la pieza se elimina); en el tablero, empezar y terminar un cable en el cursor o, con la herramienta de borrar, eliminar el cable que hay allí</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Flechas</translation>
    </message>
    <message>
        <source>move the new part, the focused part or the board&apos;s cursor 10 pixels; with Shift, 1 pixel. With the line tool a switch or resistor moved 5 pixels or less counts as a click, as with the mouse</source>
        <translation>mover la pieza nueva, la pieza seleccionada o el cursor del tablero 10 píxeles; con Mayús, 1 píxel. Con la herramienta de cable, un interruptor o una resistencia movidos 5 píxeles o menos cuentan como un clic, igual que con el ratón</translation>
    </message>
    <message>
        <source>delete the focused part</source>
        <translation>eliminar la pieza seleccionada</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>N, Shift+N</source>
        <translation>N, Mayús+N</translation>
    </message>
    <message>
        <source>on the board, jump the cursor to the next or previous terminal or junction</source>
        <translation>en el tablero, saltar con el cursor al terminal o la unión siguiente o anterior</translation>
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
        <translation>cancelar la pieza nueva o el cable que se está tendiendo</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>choose the line, pencil or delete tool</source>
        <translation>elegir la herramienta de cable, lápiz o borrar</translation>
    </message>
    <message>
        <source>L, P, D</source>
        <translation>L, P, D</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>esta ayuda</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Why a bulb is dark</source>
        <translation>Por qué una bombilla está apagada</translation>
    </message>
    <message>
        <source>Hover over a bulb, or move the keyboard focus to it, to see (or hear, with a screen reader) why it is dark: it is not in a closed loop, a switch in its loop is open, there is no cell in its circuit, a wire shorts it, the cells cancel out, or too little current flows.</source>
        <translation>Pasa el puntero sobre una bombilla o llévale el foco del teclado para ver (o, con un lector de pantalla, oír) por qué está apagada: no está en un circuito cerrado, un interruptor de su circuito está abierto, no hay ninguna pila en su circuito, un cable la cortocircuita, las pilas se anulan o pasa muy poca corriente.</translation>
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
        <translation>Compilado con Qt %1, funcionando con Qt %2.</translation>
    </message>
</context>
</TS>
