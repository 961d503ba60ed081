<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>PartTexts</name>
    <message>
        <source>Battery cell</source>
        <translation>Batteriezelle</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>Resistor</source>
        <translation>Widerstand</translation>
    </message>
    <message>
        <source>Bulb</source>
        <translation>Glühlampe</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A placed part: its kind and its number, as in &quot;Bulb 2&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>shorted by a wire</source>
        <translation>durch eine Leitung kurzgeschlossen</translation>
    </message>
    <message>
        <source>a switch in its loop is open</source>
        <translation>ein Schalter in ihrem Stromkreis ist offen</translation>
    </message>
    <message>
        <source>not in a closed loop</source>
        <translation>nicht in einem geschlossenen Stromkreis</translation>
    </message>
    <message>
        <source>no cell in its circuit</source>
        <translation>keine Batteriezelle in ihrem Stromkreis</translation>
    </message>
    <message>
        <source>the cells cancel out</source>
        <translation>die Zellen heben sich auf</translation>
    </message>
    <message>
        <source>too little current</source>
        <translation>zu wenig Strom</translation>
    </message>
    <message>
        <source>the circuit cannot be solved</source>
        <translation>die Schaltung lässt sich nicht berechnen</translation>
    </message>
    <message>
        <source>1.5 volts</source>
        <translation>1,5 Volt</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>geschlossen</translation>
    </message>
    <message>
        <source>open</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 Ohm</translation>
    </message>
    <message>
        <source>lit, %1 A</source>
        <extracomment>A lit bulb and its current in amperes, as in &quot;lit, 0.13 A&quot;.</extracomment>
        <translation>leuchtet, %1 A</translation>
    </message>
    <message>
        <source>dark: %1</source>
        <extracomment>A dark bulb and why, as in &quot;dark: not in a closed loop&quot;.</extracomment>
        <translation>dunkel: %1</translation>
    </message>
    <message>
        <source>%1: drag it onto the board, or press Space to pick one up</source>
        <translation>%1: auf die Arbeitsfläche ziehen oder mit der Leertaste aufnehmen</translation>
    </message>
    <message>
        <source>Line tool</source>
        <translation>Leitungswerkzeug</translation>
    </message>
    <message>
        <source>Pencil tool</source>
        <translation>Stiftwerkzeug</translation>
    </message>
    <message>
        <source>Delete tool</source>
        <translation>Löschwerkzeug</translation>
    </message>
    <message>
        <source>Line tool (L): drag from a terminal to another to draw a wire; click a switch to open or close it, a resistor to change its value</source>
        <translation>Leitungswerkzeug (L): von einem Anschluss zu einem anderen ziehen, um eine Leitung zu legen; einen Schalter anklicken, um ihn zu öffnen oder zu schließen, einen Widerstand, um seinen Wert zu ändern</translation>
    </message>
    <message>
        <source>Pencil tool (P): write notes over the board; drag with the right button to rub them out</source>
        <translation>Stiftwerkzeug (P): Notizen auf die Arbeitsfläche schreiben; mit der rechten Maustaste darüberziehen, um sie wegzuradieren</translation>
    </message>
    <message>
        <source>Delete tool (D): click a part or a wire to delete it</source>
        <translation>Löschwerkzeug (D): ein Bauteil oder eine Leitung anklicken, um es zu löschen</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Arbeitsfläche</translation>
    </message>
    <message>
        <source>cursor at %1, %2</source>
        <translation>Cursor bei %1, %2</translation>
    </message>
    <message>
        <source>%1, on a junction</source>
        <translation>%1, auf einem Knoten</translation>
    </message>
    <message>
        <source>%1, on the second terminal of %2</source>
        <translation>%1, auf dem zweiten Anschluss von %2</translation>
    </message>
    <message>
        <source>%1, on the first terminal of %2</source>
        <translation>%1, auf dem ersten Anschluss von %2</translation>
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
        <translation>Hilfe zu Circuit Workbench</translation>
    </message>
    <message>
        <source>Building a circuit</source>
        <translation>Eine Schaltung bauen</translation>
    </message>
    <message>
        <source>Drag a battery cell, a switch, a resistor or a bulb from the strip at the bottom onto the board. Let go over the strip to cancel.</source>
        <translation>Ziehe eine Batteriezelle, einen Schalter, einen Widerstand oder eine Glühlampe aus der Leiste unten auf die Arbeitsfläche. Lässt du über der Leiste los, wird abgebrochen.</translation>
    </message>
    <message>
        <source>A battery cell gives 1.5 volts; its left terminal is positive.</source>
        <translation>Eine Batteriezelle liefert 1,5 Volt; ihr linker Anschluss ist der Pluspol.</translation>
    </message>
    <message>
        <source>A new switch is open: click it with the line tool to close or open it.</source>
        <translation>Ein neuer Schalter ist offen: Klicke ihn mit dem Leitungswerkzeug an, um ihn zu schließen oder zu öffnen.</translation>
    </message>
    <message>
        <source>A new resistor is 10 ohms: each click with the line tool steps it to 20, 5 and back to 10 ohms.</source>
        <translation>Ein neuer Widerstand hat 10 Ohm: Jeder Klick mit dem Leitungswerkzeug stellt ihn auf 20, 5 und wieder 10 Ohm.</translation>
    </message>
    <message>
        <source>A bulb glows brighter the more current flows through it: grey when dark, pale yellow, then full yellow.</source>
        <translation>Eine Glühlampe leuchtet umso heller, je mehr Strom durch sie fließt: grau, wenn sie dunkel ist, dann blassgelb, dann kräftig gelb.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>&lt;b&gt;Line tool&lt;/b&gt; (L): press just outside a part&apos;s left or right edge, on its terminal, drag and let go on another terminal to draw a wire. Drag parts on the board to move them.</source>
        <translation>&lt;b&gt;Leitungswerkzeug&lt;/b&gt; (L): Drücke knapp außerhalb des linken oder rechten Rands eines Bauteils auf seinen Anschluss, ziehe und lass auf einem anderen Anschluss los, um eine Leitung zu legen. Ziehe Bauteile auf der Arbeitsfläche, um sie zu verschieben.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pencil tool&lt;/b&gt; (P): write notes over the board; a drag with the right button rubs them out. Notes never change the circuit.</source>
        <translation>&lt;b&gt;Stiftwerkzeug&lt;/b&gt; (P): Schreibe Notizen auf die Arbeitsfläche; Ziehen mit der rechten Maustaste radiert sie weg. Notizen ändern die Schaltung nie.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Delete tool&lt;/b&gt; (D): click a part or a wire to delete it.</source>
        <translation>&lt;b&gt;Löschwerkzeug&lt;/b&gt; (D): Klicke ein Bauteil oder eine Leitung an, um es zu löschen.</translation>
    </message>
    <message>
        <source>The pointer shows what a press will do: a cross where a wire would start on a terminal or junction, a pointing hand where a click toggles, steps or deletes, a four-way arrow over a part you can move, a text cursor where the pencil writes.</source>
        <translation>Der Mauszeiger zeigt, was ein Druck bewirkt: ein Kreuz, wo eine Leitung an einem Anschluss oder Knoten beginnen würde, eine zeigende Hand, wo ein Klick umschaltet, weiterstellt oder löscht, ein Vierfachpfeil über einem verschiebbaren Bauteil, ein Textcursor, wo der Stift schreibt.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>move between the parts in the strip, the tools, the parts on the board and the board</source>
        <translation>zwischen den Bauteilen der Leiste, den Werkzeugen, den Bauteilen auf der Arbeitsfläche und der Arbeitsfläche wechseln</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Umschalt+Tab</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Leertaste, Eingabe</translation>
    </message>
    <message>
        <source>pick up a new part from the strip and put it down; choose a tool; click the focused part (with the line tool a switch toggles and a resistor steps, with the delete tool the part goes); on the board, start and end a wire at the cursor, or with the delete tool delete the wire there</source>
        <translation>ein neues Bauteil aus der Leiste aufnehmen und ablegen; ein Werkzeug wählen; das ausgewählte Bauteil anklicken (mit dem Leitungswerkzeug schaltet ein Schalter um und ein Widerstand stellt weiter, mit dem Löschwerkzeug wird das Bauteil gelöscht); auf der Arbeitsfläche eine Leitung am Cursor beginnen und beenden oder mit dem Löschwerkzeug die Leitung dort löschen</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>move the new part, the focused part or the board&apos;s cursor 10 pixels; with Shift, 1 pixel. With the line tool a switch or resistor moved 5 pixels or less counts as a click, as with the mouse</source>
        <translation>das neue Bauteil, das ausgewählte Bauteil oder den Cursor der Arbeitsfläche um 10 Pixel verschieben, mit Umschalt um 1 Pixel. Mit dem Leitungswerkzeug zählt ein Schalter oder Widerstand, der um 5 Pixel oder weniger verschoben wird, wie mit der Maus als Klick</translation>
    </message>
    <message>
        <source>delete the focused part</source>
        <translation>das ausgewählte Bauteil löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>N, Shift+N</source>
        <translation>N, Umschalt+N</translation>
    </message>
    <message>
        <source>on the board, jump the cursor to the next or previous terminal or junction</source>
        <translation>auf der Arbeitsfläche den Cursor zum nächsten oder vorigen Anschluss oder Knoten springen lassen</translation>
    </message>
    <message>
        <source>W, Shift+W</source>
        <translation>W, Umschalt+W</translation>
    </message>
    <message>
        <source>on the board, jump the cursor to the middle of the next or previous wire</source>
        <translation>auf der Arbeitsfläche den Cursor zur Mitte der nächsten oder vorigen Leitung springen lassen</translation>
    </message>
    <message>
        <source>cancel the new part or the wire being drawn</source>
        <translation>das neue Bauteil oder die begonnene Leitung abbrechen</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>choose the line, pencil or delete tool</source>
        <translation>Leitungs-, Stift- oder Löschwerkzeug wählen</translation>
    </message>
    <message>
        <source>L, P, D</source>
        <translation>L, P, D</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>diese Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Why a bulb is dark</source>
        <translation>Warum eine Glühlampe dunkel ist</translation>
    </message>
    <message>
        <source>Hover over a bulb, or move the keyboard focus to it, to see (or hear, with a screen reader) why it is dark: it is not in a closed loop, a switch in its loop is open, there is no cell in its circuit, a wire shorts it, the cells cancel out, or too little current flows.</source>
        <translation>Zeige mit der Maus auf eine Glühlampe oder wähle sie mit der Tastatur aus, um zu sehen (oder mit einem Bildschirmleser zu hören), warum sie dunkel ist: Sie ist nicht in einem geschlossenen Stromkreis, ein Schalter in ihrem Stromkreis ist offen, in ihrem Stromkreis ist keine Batteriezelle, eine Leitung schließt sie kurz, die Zellen heben sich auf, oder es fließt zu wenig Strom.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Circuit Workbench %1</source>
        <translation>Circuit Workbench %1</translation>
    </message>
    <message>
        <source>Licensed under the GNU General Public License, version 3 or later.</source>
        <translation>Lizenziert unter der GNU General Public License, Version 3 oder neuer.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Erstellt mit Qt %1, läuft mit Qt %2.</translation>
    </message>
</context>
</TS>
