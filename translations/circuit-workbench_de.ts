<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoardExport</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: the picture could not be made.</source>
        <translation>%1 kann nicht geschrieben werden: Das Bild ließ sich nicht erzeugen.</translation>
    </message>
    <message>
        <source>Cannot write %1: use a name ending in .png, .svg or .pdf.</source>
        <translation>%1 kann nicht geschrieben werden: Der Name muss auf .png, .svg oder .pdf enden.</translation>
    </message>
    <message>
        <source>A circuit drawn with Circuit Workbench</source>
        <translation>Eine mit Circuit Workbench gezeichnete Schaltung</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>The printed page&apos;s footer: the board&apos;s name and the date, as in &quot;series.cwb — 8 December 2026&quot;.</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Cannot write %1: this build has no SVG export; use .png or .pdf.</source>
        <translation>%1 kann nicht geschrieben werden: Diese Ausgabe kann kein SVG exportieren; verwende .png oder .pdf.</translation>
    </message>
</context>
<context>
    <name>BoardFile</name>
    <message>
        <source>In %1, “%2” is missing.</source>
        <translation>In %1 fehlt „%2“.</translation>
    </message>
    <message>
        <source>In %1, “%2” should be a whole number from %3 to %4.</source>
        <translation>In %1 sollte „%2“ eine ganze Zahl von %3 bis %4 sein.</translation>
    </message>
    <message>
        <source>the circuit</source>
        <translation>der Schaltung</translation>
    </message>
    <message>
        <source>In the circuit, “%1” should be a list.</source>
        <translation>In der Schaltung sollte „%1“ eine Liste sein.</translation>
    </message>
    <message>
        <source>The circuit has more than %1 entries in “%2”.</source>
        <translation>Die Schaltung hat mehr als %1 Einträge in „%2“.</translation>
    </message>
    <message>
        <source>%1 should be a pair of numbers.</source>
        <translation>%1 sollte ein Zahlenpaar sein.</translation>
    </message>
    <message>
        <source>the first number</source>
        <translation>die erste Zahl</translation>
    </message>
    <message>
        <source>the second number</source>
        <translation>die zweite Zahl</translation>
    </message>
    <message>
        <source>part %1 of the list</source>
        <translation>Bauteil %1 der Liste</translation>
    </message>
    <message>
        <source>%1 should be a part with its kind and place.</source>
        <translation>%1 sollte ein Bauteil mit Art und Ort sein.</translation>
    </message>
    <message>
        <source>In %1, “deleted” should be true or false.</source>
        <translation>In %1 sollte „deleted“ true oder false sein.</translation>
    </message>
    <message>
        <source>In %1, “closed” should be true or false.</source>
        <translation>In %1 sollte „closed“ true oder false sein.</translation>
    </message>
    <message>
        <source>In %1, a resistor of %2 ohms cannot be made: resistors are %3, %4 or %5 ohms.</source>
        <translation>In %1: Einen Widerstand mit %2 Ohm gibt es nicht; Widerstände haben %3, %4 oder %5 Ohm.</translation>
    </message>
    <message>
        <source>note %1</source>
        <translation>Notiz %1</translation>
    </message>
    <message>
        <source>%1 should be a list of points.</source>
        <translation>%1 sollte eine Liste von Punkten sein.</translation>
    </message>
    <message>
        <source>In %1, a point should be two numbers on the board.</source>
        <translation>In %1 sollte ein Punkt aus zwei Zahlen auf dem Brett bestehen.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB; no circuit file is that large.</source>
        <translation>Die Datei ist größer als %1 MiB; so groß ist keine Schaltungsdatei.</translation>
    </message>
    <message>
        <source>The file is damaged or is not a circuit file: its text goes wrong at character %1.</source>
        <translation>Die Datei ist beschädigt oder keine Schaltungsdatei: Ihr Text ist bei Zeichen %1 fehlerhaft.</translation>
    </message>
    <message>
        <source>The file is not a Circuit Workbench circuit.</source>
        <translation>Die Datei ist keine Circuit-Workbench-Schaltung.</translation>
    </message>
    <message>
        <source>The circuit was saved by a newer Circuit Workbench (file version %1); this one reads version %2 and earlier.</source>
        <translation>Die Schaltung wurde mit einem neueren Circuit Workbench gespeichert (Dateiversion %1); dieses liest Version %2 und ältere.</translation>
    </message>
    <message>
        <source>In the circuit, “board” should give the board&apos;s width and height.</source>
        <translation>In der Schaltung sollte „board“ Breite und Höhe des Bretts angeben.</translation>
    </message>
    <message>
        <source>the board&apos;s size</source>
        <translation>der Größe des Bretts</translation>
    </message>
    <message>
        <source>Component number %1 is not below the next number, %2.</source>
        <translation>Die Bauteilnummer %1 liegt nicht unter der nächsten Nummer %2.</translation>
    </message>
    <message>
        <source>Component number %1 is used twice.</source>
        <translation>Die Bauteilnummer %1 ist doppelt vergeben.</translation>
    </message>
    <message>
        <source>Component number %1 belongs to no part.</source>
        <translation>Die Bauteilnummer %1 gehört zu keinem Bauteil.</translation>
    </message>
    <message>
        <source>junction %1</source>
        <translation>Knoten %1</translation>
    </message>
    <message>
        <source>wire %1</source>
        <translation>Draht %1</translation>
    </message>
    <message>
        <source>%1 ends at junction %2, which the circuit does not have.</source>
        <translation>%1 endet an Knoten %2, den die Schaltung nicht hat.</translation>
    </message>
    <message>
        <source>%1 ends at a terminal of component %2, which is not on the board.</source>
        <translation>%1 endet an einem Anschluss von Bauteil %2, das nicht auf dem Brett ist.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>In %1, the kind “%2” needs file version %3, but the file says version %4.</source>
        <translation>In %1 braucht die Art „%2“ die Dateiversion %3, die Datei hat aber Version %4.</translation>
    </message>
    <message>
        <source>In %1, a fuse cannot be rated so: fuses are rated 0.25, 0.5 or 1 A.</source>
        <translation>In %1 ist der Nennstrom der Sicherung nicht möglich: Sicherungen gibt es für 0,25, 0,5 oder 1 A.</translation>
    </message>
    <message>
        <source>In %1, “blown” should be true or false.</source>
        <translation>In %1 sollte „blown“ true oder false sein.</translation>
    </message>
    <message>
        <source>In %1, “%2” should be a text of at most %3 letters.</source>
        <translation>In %1 sollte „%2“ ein Text mit höchstens %3 Zeichen sein.</translation>
    </message>
    <message>
        <source>In %1, “%2” should be a number from %3 to %4.</source>
        <translation>In %1 sollte „%2“ eine Zahl von %3 bis %4 sein.</translation>
    </message>
    <message>
        <source>In %1, the kind “%2” is not a cell, switch, resistor, bulb, ammeter, voltmeter or fuse.</source>
        <translation>In %1 ist die Art „%2“ weder Batteriezelle, Schalter, Widerstand, Glühlampe, Strommessgerät, Spannungsmessgerät noch Sicherung.</translation>
    </message>
    <message>
        <source>goal %1 of the task</source>
        <translation>Ziel %1 der Aufgabe</translation>
    </message>
    <message>
        <source>%1 should be a goal with its kind.</source>
        <translation>%1 sollte ein Ziel mit seiner Art sein.</translation>
    </message>
    <message>
        <source>In %1, there is no goal called “%2”.</source>
        <translation>In %1 gibt es kein Ziel namens „%2“.</translation>
    </message>
    <message>
        <source>In %1, “%2” is not a kind of part.</source>
        <translation>In %1 ist „%2“ keine Bauteilart.</translation>
    </message>
    <message>
        <source>In %1, the unit should be amperes, volts or ohms.</source>
        <translation>In %1 sollte die Einheit Ampere, Volt oder Ohm sein.</translation>
    </message>
    <message>
        <source>In %1, a meter reads amperes or volts, not ohms.</source>
        <translation>In %1: Ein Messgerät zeigt Ampere oder Volt an, nicht Ohm.</translation>
    </message>
    <message>
        <source>The circuit has answers but no task.</source>
        <translation>Die Schaltung enthält Antworten, aber keine Aufgabe.</translation>
    </message>
    <message>
        <source>the task</source>
        <translation>der Aufgabe</translation>
    </message>
    <message>
        <source>The circuit has a task, which needs file version %1, but the file says version %2.</source>
        <translation>Die Schaltung enthält eine Aufgabe, die Dateiversion %1 braucht, aber die Datei nennt Version %2.</translation>
    </message>
    <message>
        <source>In the circuit, “task” should be a task with its title, rules and goals.</source>
        <translation>In der Schaltung sollte „task“ eine Aufgabe mit Titel, Regeln und Zielen sein.</translation>
    </message>
    <message>
        <source>locked part %1 of the task</source>
        <translation>gesperrtem Bauteil %1 der Aufgabe</translation>
    </message>
    <message>
        <source>Component %1 is locked by the task, but the circuit has it moved, changed or deleted.</source>
        <translation>Bauteil %1 ist durch die Aufgabe gesperrt, wurde in der Schaltung aber verschoben, verändert oder gelöscht.</translation>
    </message>
    <message>
        <source>The task hides the value of component %1, which the task&apos;s circuit does not have.</source>
        <translation>Die Aufgabe verbirgt den Wert von Bauteil %1, das es in der Schaltung der Aufgabe nicht gibt.</translation>
    </message>
    <message>
        <source>In the task, “allow” should give a number of parts for each kind it limits.</source>
        <translation>In der Aufgabe sollte „allow“ für jede begrenzte Bauteilart eine Anzahl angeben.</translation>
    </message>
    <message>
        <source>The task lets the learner add %1 “%2”, but the circuit has %3 added.</source>
        <translation>Die Aufgabe erlaubt %1 zusätzliche „%2“, die Schaltung hat aber %3 hinzugefügt.</translation>
    </message>
    <message>
        <source>answer %1</source>
        <translation>Antwort %1</translation>
    </message>
</context>
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
        <translation>ein Schalter in ihrem Stromkreis ist geöffnet</translation>
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
        <translation>die Spannungen der Batteriezellen heben sich auf</translation>
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
        <source>closed</source>
        <translation>geschlossen</translation>
    </message>
    <message>
        <source>open</source>
        <translation>geöffnet</translation>
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
    <message>
        <source>%1 volts</source>
        <extracomment>A battery cell&apos;s voltage, as in &quot;1.5 volts&quot;.</extracomment>
        <translation>%1 Volt</translation>
    </message>
    <message>
        <source>Line tool (%1): drag from a terminal to another to draw a wire; click a switch to open or close it, a resistor to change its value</source>
        <extracomment>%1 is the key that chooses the tool.</extracomment>
        <translation>Leitungswerkzeug (%1): von einem Anschluss zu einem anderen ziehen, um eine Leitung zu legen; einen Schalter anklicken, um ihn zu öffnen oder zu schließen, einen Widerstand, um seinen Wert zu ändern</translation>
    </message>
    <message>
        <source>Pencil tool (%1): write notes over the board; drag with the right button to rub them out</source>
        <translation>Stiftwerkzeug (%1): Notizen auf die Arbeitsfläche schreiben; mit der rechten Maustaste darüberziehen, um sie wegzuradieren</translation>
    </message>
    <message>
        <source>Delete tool (%1): click a part or a wire to delete it</source>
        <translation>Löschwerkzeug (%1): löscht das angeklickte Bauteil oder die angeklickte Leitung</translation>
    </message>
    <message>
        <source>%1 volts, %2 A, %3 V across its terminals</source>
        <extracomment>A cell&apos;s voltage, the current through it and the voltage between its terminals, as in &quot;1.5 volts, 0.13 A, 1.36 V across its terminals&quot;.</extracomment>
        <translation>%1 Volt, %2 A, %3 V zwischen den Anschlüssen</translation>
    </message>
    <message>
        <source>closed, %1 A</source>
        <extracomment>A switch and the current through it, as in &quot;closed, 0.13 A&quot;.</extracomment>
        <translation>geschlossen, %1 A</translation>
    </message>
    <message>
        <source>open, %1 A</source>
        <translation>geöffnet, %1 A</translation>
    </message>
    <message>
        <source>%1 ohms, %2 A, %3 V</source>
        <extracomment>A resistor, the current through it and the voltage across it, as in &quot;10 ohms, 0.12 A, 1.22 V&quot;.</extracomment>
        <translation>%1 Ohm, %2 A, %3 V</translation>
    </message>
    <message>
        <source>lit, %1 A, %2 V</source>
        <extracomment>A lit bulb, its current and the voltage across it, as in &quot;lit, 0.13 A, 1.36 V&quot;.</extracomment>
        <translation>leuchtet, %1 A, %2 V</translation>
    </message>
    <message>
        <source>dark: %1, %2 A, %3 V</source>
        <extracomment>A dark bulb, why, and its current and voltage, as in &quot;dark: too little current, 0.00 A, 0.04 V&quot;.</extracomment>
        <translation>dunkel: %1, %2 A, %3 V</translation>
    </message>
    <message>
        <source>Ammeter</source>
        <translation>Strommessgerät</translation>
    </message>
    <message>
        <source>Voltmeter</source>
        <translation>Spannungsmessgerät</translation>
    </message>
    <message>
        <source>a voltmeter in its loop lets no current through</source>
        <translation>ein Spannungsmessgerät in ihrem Stromkreis lässt keinen Strom durch</translation>
    </message>
    <message>
        <source>no reading: its terminals are not joined by a circuit</source>
        <extracomment>A voltmeter whose terminals no circuit joins: it has nothing to measure.</extracomment>
        <translation>keine Anzeige: seine Anschlüsse liegen an keinem gemeinsamen Stromkreis</translation>
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
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>a fuse in its loop has blown</source>
        <translation>eine Sicherung in ihrem Stromkreis hat ausgelöst</translation>
    </message>
    <message>
        <source>%1 blew: %2 A through a %3 A fuse</source>
        <extracomment>Said when a fuse blows, as in &quot;Fuse 4 blew: 1.500 A through a 0.5 A fuse&quot;.</extracomment>
        <translation>%1 hat ausgelöst: %2 A durch eine Sicherung für %3 A</translation>
    </message>
    <message>
        <source>%1 A, blown</source>
        <extracomment>A fuse that has blown, its rating in amperes, as in &quot;0.5 A, blown&quot;.</extracomment>
        <translation>%1 A, ausgelöst</translation>
    </message>
    <message>
        <source>%1 A, intact, %2 A</source>
        <extracomment>A fuse that is whole, its rating and the current through it, as in &quot;0.5 A, intact, 0.136 A&quot;.</extracomment>
        <translation>%1 A, intakt, %2 A</translation>
    </message>
    <message>
        <source>%1 A, intact</source>
        <extracomment>A fuse that is whole and its rating, as in &quot;0.5 A, intact&quot;.</extracomment>
        <translation>%1 A, intakt</translation>
    </message>
    <message>
        <source>locked</source>
        <extracomment>A part a task locked where it is, after what it shows, as in &quot;closed, locked&quot;.</extracomment>
        <translation>gesperrt</translation>
    </message>
    <message>
        <source>%1, locked</source>
        <translation>%1, gesperrt</translation>
    </message>
    <message>
        <source>? volts</source>
        <extracomment>A battery cell whose voltage the task hides, for the learner to find.</extracomment>
        <translation>? Volt</translation>
    </message>
    <message>
        <source>? ohms</source>
        <extracomment>A resistor whose value the task hides, for the learner to find by measuring.</extracomment>
        <translation>? Ohm</translation>
    </message>
    <message>
        <source>dark</source>
        <extracomment>A prediction of a bulb: no light at all.</extracomment>
        <translation>dunkel</translation>
    </message>
    <message>
        <source>dim</source>
        <extracomment>A prediction of a bulb: lit, under 0.10 A.</extracomment>
        <translation>schwach</translation>
    </message>
    <message>
        <source>bright</source>
        <extracomment>A prediction of a bulb: lit, 0.10 A or more.</extracomment>
        <translation>hell</translation>
    </message>
    <message>
        <source>not shown yet: predict dark, dim or bright</source>
        <extracomment>A bulb while predictions are asked for, before the learner predicted it.</extracomment>
        <translation>noch nicht gezeigt: sage dunkel, schwach oder hell voraus</translation>
    </message>
    <message>
        <source>not shown yet; your prediction: %1</source>
        <extracomment>A bulb while predictions are asked for, as in &quot;not shown yet; your prediction: dim&quot;.</extracomment>
        <translation>noch nicht gezeigt; deine Vorhersage: %1</translation>
    </message>
    <message>
        <source>not shown yet</source>
        <translation>noch nicht gezeigt</translation>
    </message>
</context>
<context>
    <name>PredictionTexts</name>
    <message>
        <source>A wire joins %1&apos;s two terminals: the current takes the wire, and none passes through the bulb.</source>
        <translation>Eine Leitung verbindet die beiden Anschlüsse von %1: Der Strom nimmt die Leitung, durch die Glühlampe fließt nichts.</translation>
    </message>
    <message>
        <source>%1 is open: no current can flow round %2&apos;s loop.</source>
        <translation>%1 ist offen: Im Stromkreis von %2 kann kein Strom fließen.</translation>
    </message>
    <message>
        <source>A switch in %1&apos;s loop is open: no current can flow round it.</source>
        <translation>Ein Schalter im Stromkreis von %1 ist offen: Dort kann kein Strom fließen.</translation>
    </message>
    <message>
        <source>The cells in %1&apos;s loop push against each other: no current flows.</source>
        <translation>Die Batteriezellen im Stromkreis von %1 treiben gegeneinander: Es fließt kein Strom.</translation>
    </message>
    <message>
        <source>Cells in %1&apos;s loop push the same way, one after another: together they drive %2 A through it.</source>
        <translation>Batteriezellen im Stromkreis von %1 treiben hintereinander in dieselbe Richtung: Zusammen treiben sie %2 A hindurch.</translation>
    </message>
    <message>
        <source>%1 and %2 are in one loop: the same %3 A passes through both.</source>
        <extracomment>As in &quot;Bulb 2 and Bulb 3 are in one loop: the same 0.071 A passes through both.&quot;</extracomment>
        <translation>%1 und %2 liegen in einem Stromkreis: Durch beide fließen dieselben %3 A.</translation>
    </message>
    <message>
        <source>%1 is in %2&apos;s loop: before the bulb or after it, it holds the current to the same %3 A all the way round.</source>
        <translation>%1 liegt im Stromkreis von %2: Ob vor oder nach der Glühlampe, er begrenzt den Strom überall auf dieselben %3 A.</translation>
    </message>
    <message>
        <source>%1 has a path of its own: %2 A through it, while %3 gives %4 A in all, shared between the paths.</source>
        <translation>%1 hat einen eigenen Weg: %2 A fließen durch sie, während %3 insgesamt %4 A liefert, aufgeteilt auf die Wege.</translation>
    </message>
    <message>
        <source>%1 is lit: %2 A flows through it.</source>
        <translation>%1 leuchtet: %2 A fließen durch sie.</translation>
    </message>
    <message>
        <source>%1 is dark: %2.</source>
        <translation>%1 ist dunkel: %2.</translation>
    </message>
    <message>
        <source>%1: %2, right.</source>
        <extracomment>A prediction that was right, as in &quot;Bulb 2: dim, right.&quot;</extracomment>
        <translation>%1: %2, richtig.</translation>
    </message>
    <message>
        <source>%1: you said %2; it is %3, %4 A.</source>
        <extracomment>A prediction that was wrong, as in &quot;Bulb 3: you said bright; it is dim, 0.071 A.&quot;</extracomment>
        <translation>%1: Du hast „%2“ vorhergesagt; sie ist %3, %4 A.</translation>
    </message>
    <message>
        <source>Predictions: %1 of %2 right</source>
        <extracomment>Predictions right out of those made since predict first was switched on.</extracomment>
        <translation>Vorhersagen: %1 von %2 richtig</translation>
    </message>
    <message>
        <source>Shown: %1 of %2 predictions right.</source>
        <translation>Gezeigt: %1 von %2 Vorhersagen richtig.</translation>
    </message>
</context>
<context>
    <name>TaskTexts</name>
    <message>
        <source>Every bulb is lit</source>
        <translation>Jede Glühlampe leuchtet</translation>
    </message>
    <message>
        <source>%1 is lit</source>
        <translation>%1 leuchtet</translation>
    </message>
    <message>
        <source>Every bulb is dark</source>
        <translation>Jede Glühlampe ist dunkel</translation>
    </message>
    <message>
        <source>%1 is dark</source>
        <translation>%1 ist dunkel</translation>
    </message>
    <message>
        <source>%1 is brighter than %2</source>
        <translation>%1 leuchtet heller als %2</translation>
    </message>
    <message>
        <source>%1 is as bright as %2</source>
        <translation>%1 leuchtet so hell wie %2</translation>
    </message>
    <message>
        <source>%1 turns %2 on and off</source>
        <translation>%1 schaltet %2 ein und aus</translation>
    </message>
    <message>
        <source>%1 turns %2 on and off, and no other bulb</source>
        <translation>%1 schaltet %2 ein und aus, aber keine andere Glühlampe</translation>
    </message>
    <message>
        <source>Meter %1 reads %2 %3, give or take %4 %3</source>
        <extracomment>A meter&apos;s goal: its number, the value and how far off it may be, as in &quot;Meter 5 reads 0.15 A, give or take 0.005 A&quot;.</extracomment>
        <translation>Messgerät %1 zeigt %2 %3 an, auf %4 %3 genau</translation>
    </message>
    <message>
        <source>No cell is shorted</source>
        <translation>Keine Batteriezelle ist kurzgeschlossen</translation>
    </message>
    <message>
        <source>No fuse has blown</source>
        <translation>Keine Sicherung ist durchgebrannt</translation>
    </message>
    <message>
        <source>At most %1 of the kind %2</source>
        <extracomment>At most so many parts of a kind, as in &quot;At most 2 of the kind Bulb&quot;.</extracomment>
        <translation>Höchstens %1 von der Art %2</translation>
    </message>
    <message>
        <source>Answer in %1: %2</source>
        <extracomment>A question the learner answers with a number in a unit, as in &quot;Answer in Ω: What is the resistance of resistor 3?&quot;.</extracomment>
        <translation>Antwort in %1: %2</translation>
    </message>
    <message>
        <source>Component %1 is not on the board.</source>
        <translation>Bauteil %1 ist nicht auf der Arbeitsfläche.</translation>
    </message>
    <message>
        <source>There is no bulb on the board.</source>
        <translation>Auf der Arbeitsfläche ist keine Glühlampe.</translation>
    </message>
    <message>
        <source>%1 is dark: %2.</source>
        <extracomment>A bulb and why it is dark, as in &quot;Bulb 3 is dark: a switch in its loop is open.&quot;</extracomment>
        <translation>%1 ist dunkel: %2.</translation>
    </message>
    <message>
        <source>%1 is lit.</source>
        <translation>%1 leuchtet.</translation>
    </message>
    <message>
        <source>%1 carries %2 A, %3 carries %4 A.</source>
        <translation>Durch %1 fließen %2 A, durch %3 fließen %4 A.</translation>
    </message>
    <message>
        <source>Opening or closing %1 leaves %2 lit.</source>
        <translation>Ob %1 offen oder geschlossen ist: %2 leuchtet weiter.</translation>
    </message>
    <message>
        <source>Opening or closing %1 leaves %2 dark.</source>
        <translation>Ob %1 offen oder geschlossen ist: %2 bleibt dunkel.</translation>
    </message>
    <message>
        <source>%1 turns %2 on and off too.</source>
        <translation>%1 schaltet auch %2 ein und aus.</translation>
    </message>
    <message>
        <source>%1 reads %2.</source>
        <translation>%1 zeigt %2 an.</translation>
    </message>
    <message>
        <source>%1 is shorted: wires alone join its two terminals.</source>
        <translation>%1 ist kurzgeschlossen: Leitungen allein verbinden ihre beiden Anschlüsse.</translation>
    </message>
    <message>
        <source>%1 has blown.</source>
        <translation>%1 ist durchgebrannt.</translation>
    </message>
    <message>
        <source>The board has %1 of the kind %2.</source>
        <extracomment>How many parts of a kind the board has, as in &quot;The board has 3 of the kind Bulb.&quot;</extracomment>
        <translation>Auf der Arbeitsfläche sind %1 von der Art %2.</translation>
    </message>
    <message>
        <source>Type your answer in the box first.</source>
        <translation>Schreibe zuerst deine Antwort in das Feld.</translation>
    </message>
    <message>
        <source>Type a number, with its unit if you like, as in “%1”.</source>
        <extracomment>%1 is an example answer in the unit asked, as in &quot;20 Ω&quot;.</extracomment>
        <translation>Schreibe eine Zahl, wenn du willst mit Einheit, zum Beispiel „%1“.</translation>
    </message>
    <message>
        <source>That answer is in another unit: give it in %1.</source>
        <translation>Diese Antwort hat eine andere Einheit: Gib sie in %1 an.</translation>
    </message>
    <message>
        <source>Not yet: measure again and work it out from your readings.</source>
        <translation>Noch nicht: Miss noch einmal und rechne es aus deinen Messwerten aus.</translation>
    </message>
    <message>
        <source>%1 of %2 goals met</source>
        <extracomment>How many of the task&apos;s goals Check found met, as in &quot;2 of 3 goals met&quot;.</extracomment>
        <translation>%1 von %2 Zielen erreicht</translation>
    </message>
    <message>
        <source>Not met: %1. %2</source>
        <extracomment>A goal not met and its hint, as in &quot;Not met: Bulb 3 is lit. Bulb 3 is dark: ...&quot;</extracomment>
        <translation>Nicht erreicht: %1. %2</translation>
    </message>
    <message>
        <source>%1 is locked by the task.</source>
        <translation>%1 ist durch die Aufgabe gesperrt.</translation>
    </message>
    <message>
        <source>The task lets you add no more of the kind %1.</source>
        <extracomment>No more parts of a kind may be added, as in &quot;The task lets you add no more of the kind Bulb.&quot;</extracomment>
        <translation>Die Aufgabe erlaubt keine weiteren Bauteile der Art %1.</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <extracomment>How many more parts of a kind the task lets the learner add, as in &quot;Bulb: 2 left&quot;.</extracomment>
        <translation>%1: noch %2</translation>
    </message>
</context>
<context>
    <name>cw::BoardExport</name>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren …</translation>
    </message>
    <message>
        <source>Save a picture of the board as PNG, SVG or PDF, for a worksheet</source>
        <translation>Speichert ein Bild des Bretts als PNG, SVG oder PDF, etwa für ein Arbeitsblatt</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken …</translation>
    </message>
    <message>
        <source>Print the board on one page, with its name and the date</source>
        <translation>Druckt das Brett auf eine Seite, mit seinem Namen und dem Datum</translation>
    </message>
    <message>
        <source>&amp;Copy Board Image</source>
        <translation>Bild des Bretts &amp;kopieren</translation>
    </message>
    <message>
        <source>Put a picture of the board on the clipboard</source>
        <translation>Legt ein Bild des Bretts in die Zwischenablage</translation>
    </message>
    <message>
        <source>PNG picture, as on screen (*.png)</source>
        <translation>PNG-Bild, wie auf dem Bildschirm (*.png)</translation>
    </message>
    <message>
        <source>PNG picture, twice as fine for print (*.png)</source>
        <translation>PNG-Bild, doppelt so fein für den Druck (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Export the Board</source>
        <translation>Brett exportieren</translation>
    </message>
    <message>
        <source>Print the Board</source>
        <translation>Brett drucken</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Untitled circuit</source>
        <translation>Unbenannte Schaltung</translation>
    </message>
    <message>
        <source>circuit</source>
        <translation>schaltung</translation>
    </message>
</context>
<context>
    <name>cw::BoardStep</name>
    <message>
        <source>Cell</source>
        <translation>Zelle</translation>
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
        <translation>Lampe</translation>
    </message>
    <message>
        <source>Place %1 %2</source>
        <translation>%1 %2 einsetzen</translation>
    </message>
    <message>
        <source>Delete %1 %2</source>
        <translation>%1 %2 löschen</translation>
    </message>
    <message>
        <source>Close %1 %2</source>
        <translation>%1 %2 schließen</translation>
    </message>
    <message>
        <source>Open %1 %2</source>
        <translation>%1 %2 öffnen</translation>
    </message>
    <message>
        <source>Step %1 %2</source>
        <translation>%1 %2 umstellen</translation>
    </message>
    <message>
        <source>Move %1 %2</source>
        <translation>%1 %2 verschieben</translation>
    </message>
    <message>
        <source>Edit Parts</source>
        <translation>Bauteile ändern</translation>
    </message>
    <message>
        <source>Add Wire</source>
        <translation>Leitung legen</translation>
    </message>
    <message>
        <source>Delete Wire</source>
        <translation>Leitung löschen</translation>
    </message>
    <message>
        <source>Write Note</source>
        <translation>Notiz schreiben</translation>
    </message>
    <message>
        <source>Erase Note</source>
        <translation>Notiz radieren</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Ammeter</source>
        <translation>Strommessgerät</translation>
    </message>
    <message>
        <source>Voltmeter</source>
        <translation>Spannungsmessgerät</translation>
    </message>
    <message>
        <source>Fuse</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Replace %1 %2</source>
        <translation>%1 %2 ersetzen</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Change Task</source>
        <translation>Aufgabe ändern</translation>
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
        <translation>&amp;Gesperrt</translation>
    </message>
    <message>
        <source>Value &amp;Hidden</source>
        <translation>Wert &amp;verborgen</translation>
    </message>
</context>
<context>
    <name>cw::CircuitCommands</name>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Leitung</translation>
    </message>
    <message>
        <source>&amp;Pencil</source>
        <translation>&amp;Stift</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Lösc&amp;hen</translation>
    </message>
    <message>
        <source>Delete &amp;Part</source>
        <translation>&amp;Bauteil löschen</translation>
    </message>
    <message>
        <source>Delete the part that has the keyboard focus</source>
        <translation>Löscht das Bauteil mit dem Tastaturfokus</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>How to build circuits, the tools, the keys and why a bulb is dark</source>
        <translation>Wie man Schaltungen baut, die Werkzeuge, die Tasten und warum eine Glühlampe dunkel ist</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Tastatur</translation>
    </message>
    <message>
        <source>Every key, for working without a mouse</source>
        <translation>Alle Tasten, um ohne Maus zu arbeiten</translation>
    </message>
    <message>
        <source>&amp;About Circuit Workbench</source>
        <translation>Ü&amp;ber Circuit Workbench</translation>
    </message>
    <message>
        <source>The version, the licence and the Qt version</source>
        <translation>Die Version, die Lizenz und die Qt-Version</translation>
    </message>
    <message>
        <source>Show &amp;Current</source>
        <translation>&amp;Strom zeigen</translation>
    </message>
    <message>
        <source>Show the current flowing round the circuit as moving dots</source>
        <translation>Zeigt den Strom, der durch den Stromkreis fließt, als wandernde Punkte</translation>
    </message>
    <message>
        <source>&amp;Electron Flow</source>
        <translation>&amp;Elektronenfluss</translation>
    </message>
    <message>
        <source>Move the dots the way electrons go, from the cell&apos;s negative terminal round to its positive one</source>
        <translation>Lässt die Punkte so wandern wie die Elektronen: vom Minuspol der Batteriezelle durch den Stromkreis zu ihrem Pluspol</translation>
    </message>
    <message>
        <source>Circuit &amp;Diagram</source>
        <translation>Schalt&amp;plan</translation>
    </message>
    <message>
        <source>Draw the board as a circuit diagram: standard symbols, black on white</source>
        <translation>Zeichnet das Brett als Schaltplan: genormte Schaltzeichen, schwarz auf weiß</translation>
    </message>
    <message>
        <source>&amp;IEC</source>
        <translation>&amp;IEC</translation>
    </message>
    <message>
        <source>The symbols of IEC 60617, as most textbooks outside America use</source>
        <translation>Die Schaltzeichen nach IEC 60617, wie sie die meisten Schulbücher außerhalb Amerikas verwenden</translation>
    </message>
    <message>
        <source>&amp;ANSI</source>
        <translation>&amp;ANSI</translation>
    </message>
    <message>
        <source>The American symbols: a zigzag resistor</source>
        <translation>Die amerikanischen Schaltzeichen: ein Widerstand als Zickzacklinie</translation>
    </message>
    <message>
        <source>&amp;Eraser</source>
        <translation>Radier&amp;gummi</translation>
    </message>
    <message>
        <source>Eraser (%1): the pencil rubs out the notes it is dragged across</source>
        <translation>Radiergummi (%1): Der Stift radiert die Notizen weg, über die du ihn ziehst</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Show the board larger: closer to the parts</source>
        <translation>Zeigt die Arbeitsfläche größer: näher an den Bauteilen</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Show the board smaller: more of it in the window</source>
        <translation>Zeigt die Arbeitsfläche kleiner: mehr davon im Fenster</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Show the board at its own size</source>
        <translation>Zeigt die Arbeitsfläche in ihrer eigenen Größe</translation>
    </message>
    <message>
        <source>Fit in &amp;Window</source>
        <translation>An &amp;Fenster anpassen</translation>
    </message>
    <message>
        <source>Zoom so that every part and note shows in the window</source>
        <translation>Zoomt so, dass jedes Bauteil und jede Notiz im Fenster zu sehen ist</translation>
    </message>
</context>
<context>
    <name>cw::FileSession</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Start an empty board</source>
        <translation>Mit einem leeren Brett beginnen</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Öffnen…</translation>
    </message>
    <message>
        <source>Open a circuit saved before</source>
        <translation>Eine gespeicherte Schaltung öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Keep the circuit and its notes in its file</source>
        <translation>Die Schaltung mit ihren Notizen in ihrer Datei sichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Keep the circuit and its notes in a new file</source>
        <translation>Die Schaltung mit ihren Notizen in einer neuen Datei sichern</translation>
    </message>
    <message>
        <source>Open E&amp;xample</source>
        <translation>Beispie&amp;l öffnen</translation>
    </message>
    <message>
        <source>Open a Circuit</source>
        <translation>Schaltung öffnen</translation>
    </message>
    <message>
        <source>Save the Circuit</source>
        <translation>Schaltung speichern</translation>
    </message>
    <message>
        <source>Circuit Workbench</source>
        <translation>Circuit Workbench</translation>
    </message>
    <message>
        <source>Save the changes to “%1” before they are lost?</source>
        <translation>Die Änderungen an „%1“ speichern, bevor sie verloren gehen?</translation>
    </message>
    <message>
        <source>Circuit Workbench did not close properly on %1, and a circuit had changes that were not saved. Bring them back?</source>
        <translation>Circuit Workbench wurde am %1 nicht richtig beendet, und eine Schaltung hatte ungespeicherte Änderungen. Wiederherstellen?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1[*] — Circuit Workbench</source>
        <translation>%1[*] — Circuit Workbench</translation>
    </message>
    <message>
        <source>Circuit Workbench cannot open “%1”.

%2</source>
        <translation>Circuit Workbench kann „%1“ nicht öffnen.

%2</translation>
    </message>
    <message>
        <source>The example cannot be opened.</source>
        <translation>Das Beispiel kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>circuit</source>
        <translation>schaltung</translation>
    </message>
    <message>
        <source>Circuit Workbench cannot save “%1”: %2. The circuit is not saved.</source>
        <translation>Circuit Workbench kann „%1“ nicht speichern: %2. Die Schaltung ist nicht gespeichert.</translation>
    </message>
    <message>
        <source>One Bulb Lit by One Cell</source>
        <translation>Eine Zelle bringt eine Lampe zum Leuchten</translation>
    </message>
    <message>
        <source>Two Bulbs in Series and in Parallel</source>
        <translation>Zwei Lampen in Reihe und parallel</translation>
    </message>
    <message>
        <source>A Switch Controls One Bulb</source>
        <translation>Ein Schalter steuert eine Lampe</translation>
    </message>
    <message>
        <source>A Wire Shorts a Bulb</source>
        <translation>Ein Draht schließt eine Lampe kurz</translation>
    </message>
    <message>
        <source>Two Cells Aiding and Opposing</source>
        <translation>Zwei Zellen gleich- und gegensinnig</translation>
    </message>
    <message>
        <source>A Resistor Dims a Bulb</source>
        <translation>Ein Widerstand dämpft eine Lampe</translation>
    </message>
    <message>
        <source>Circuits (*.%1)</source>
        <translation>Schaltungen (*.%1)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Die letzte Änderung zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Die zurückgenommene Änderung wieder ausführen</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Ammeters Round a Series Loop</source>
        <translation>Strommessgeräte rund um einen Reihenstromkreis</translation>
    </message>
    <message>
        <source>Voltmeters Across a Series Loop</source>
        <translation>Spannungsmessgeräte an einem Reihenstromkreis</translation>
    </message>
    <message>
        <source>A Fuse Stops a Short Circuit</source>
        <translation>Eine Sicherung stoppt einen Kurzschluss</translation>
    </message>
    <message>
        <source>Task: Light the Bulb</source>
        <translation>Aufgabe: Bring die Glühlampe zum Leuchten</translation>
    </message>
    <message>
        <source>Task: Two Bulbs, Equally Bright</source>
        <translation>Aufgabe: Zwei gleich helle Glühlampen</translation>
    </message>
    <message>
        <source>Task: A Switch for One Bulb</source>
        <translation>Aufgabe: Ein Schalter für eine Glühlampe</translation>
    </message>
    <message>
        <source>Task: Find the Hidden Resistor</source>
        <translation>Aufgabe: Finde den verborgenen Widerstand</translation>
    </message>
    <message>
        <source>Task: Fix the Short Circuit</source>
        <translation>Aufgabe: Behebe den Kurzschluss</translation>
    </message>
    <message>
        <source>Task: Protect the Circuit with the Right Fuse</source>
        <translation>Aufgabe: Schütze die Schaltung mit der richtigen Sicherung</translation>
    </message>
</context>
<context>
    <name>cw::GoalDialog</name>
    <message>
        <source>A bulb is lit</source>
        <translation>Eine Glühlampe leuchtet</translation>
    </message>
    <message>
        <source>A bulb is dark</source>
        <translation>Eine Glühlampe ist dunkel</translation>
    </message>
    <message>
        <source>Every bulb is lit</source>
        <translation>Jede Glühlampe leuchtet</translation>
    </message>
    <message>
        <source>Every bulb is dark</source>
        <translation>Jede Glühlampe ist dunkel</translation>
    </message>
    <message>
        <source>A bulb is brighter than another</source>
        <translation>Eine Glühlampe leuchtet heller als eine andere</translation>
    </message>
    <message>
        <source>Two bulbs are as bright as each other</source>
        <translation>Zwei Glühlampen leuchten gleich hell</translation>
    </message>
    <message>
        <source>A switch turns a bulb on and off</source>
        <translation>Ein Schalter schaltet eine Glühlampe ein und aus</translation>
    </message>
    <message>
        <source>A switch turns only one bulb on and off</source>
        <translation>Ein Schalter schaltet nur eine Glühlampe ein und aus</translation>
    </message>
    <message>
        <source>A meter reads a value</source>
        <translation>Ein Messgerät zeigt einen Wert an</translation>
    </message>
    <message>
        <source>No cell is shorted</source>
        <translation>Keine Batteriezelle ist kurzgeschlossen</translation>
    </message>
    <message>
        <source>No fuse has blown</source>
        <translation>Keine Sicherung ist durchgebrannt</translation>
    </message>
    <message>
        <source>At most so many parts of a kind</source>
        <translation>Höchstens so viele Bauteile einer Art</translation>
    </message>
    <message>
        <source>The learner types an answer</source>
        <translation>Die Lernenden schreiben eine Antwort</translation>
    </message>
    <message>
        <source>Add a Goal</source>
        <translation>Ziel hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Goal:</source>
        <translation>&amp;Ziel:</translation>
    </message>
    <message>
        <source>&amp;Part:</source>
        <translation>&amp;Bauteil:</translation>
    </message>
    <message>
        <source>&amp;Other part:</source>
        <translation>&amp;Anderes Bauteil:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>&amp;Most:</source>
        <translation>&amp;Höchstens:</translation>
    </message>
    <message>
        <source>&amp;Question:</source>
        <translation>&amp;Frage:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Einheit:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Wert:</translation>
    </message>
    <message>
        <source>Give or &amp;take:</source>
        <translation>&amp;Toleranz (±):</translation>
    </message>
    <message>
        <source>Every bulb</source>
        <translation>Jede Glühlampe</translation>
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
        <translation>Ziehe eine Batteriezelle, einen Schalter, einen Widerstand oder eine Glühlampe aus der Leiste unten auf die Arbeitsfläche. Lässt du das Bauteil über der Leiste los, wird das Ziehen abgebrochen.</translation>
    </message>
    <message>
        <source>A new switch is open: click it with the line tool to close or open it.</source>
        <translation>Ein neuer Schalter ist geöffnet: Klicke ihn mit dem Leitungswerkzeug an, um ihn zu schließen oder zu öffnen.</translation>
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
        <source>The pointer shows what a press will do: a cross where a wire would start on a terminal or junction, a pointing hand where a click toggles, steps or deletes, a four-way arrow over a part you can move, a text cursor where the pencil writes.</source>
        <translation>Der Mauszeiger zeigt, was ein Klick bewirkt: ein Kreuz, wo eine Leitung an einem Anschluss oder Knoten beginnen würde, eine zeigende Hand, wo ein Klick umschaltet, weiterstellt oder löscht, ein Vierfachpfeil über einem verschiebbaren Bauteil, ein Textcursor, wo der Stift schreibt.</translation>
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
        <translation>Leertaste, Eingabetaste</translation>
    </message>
    <message>
        <source>pick up a new part from the strip and put it down; choose a tool; click the focused part (with the line tool a switch toggles and a resistor steps, with the delete tool the part goes); on the board, start and end a wire at the cursor, or with the delete tool delete the wire there</source>
        <translation>ein neues Bauteil aus der Leiste aufnehmen und ablegen; ein Werkzeug wählen; das Bauteil mit dem Fokus anklicken (mit dem Leitungswerkzeug schaltet ein Schalter um und wird ein Widerstand weitergeschaltet, mit dem Löschwerkzeug wird das Bauteil gelöscht); auf der Arbeitsfläche eine Leitung am Cursor beginnen und beenden oder mit dem Löschwerkzeug die Leitung dort löschen</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Pfeiltasten</translation>
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
        <source>Why a bulb is dark</source>
        <translation>Warum eine Glühlampe dunkel ist</translation>
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
    <message>
        <source>A battery cell gives %1 volts; its left terminal is positive.</source>
        <translation>Eine Batteriezelle liefert %1 Volt; ihr linker Anschluss ist der Pluspol.</translation>
    </message>
    <message>
        <source>A new resistor is %1 ohms: each click with the line tool steps it to %2, %3 and back to %1 ohms.</source>
        <translation>Ein neuer Widerstand hat %1 Ohm: Mit jedem Klick mit dem Leitungswerkzeug wird er auf %2, %3 und wieder %1 Ohm weitergeschaltet.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Line tool&lt;/b&gt;: press just outside a part&apos;s left or right edge, on its terminal, drag and let go on another terminal to draw a wire. Drag parts on the board to move them.</source>
        <translation>&lt;b&gt;Leitungswerkzeug&lt;/b&gt;: Drücke knapp außerhalb des linken oder rechten Rands eines Bauteils auf seinen Anschluss, ziehe und lass auf einem anderen Anschluss los, um eine Leitung zu legen. Ziehe Bauteile auf der Arbeitsfläche, um sie zu verschieben.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pencil tool&lt;/b&gt;: write notes over the board; a drag with the right button rubs them out. Notes never change the circuit.</source>
        <translation>&lt;b&gt;Stiftwerkzeug&lt;/b&gt;: Schreibe Notizen auf die Arbeitsfläche; Ziehen mit der rechten Maustaste radiert sie weg. Notizen ändern die Schaltung nie.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Delete tool&lt;/b&gt;: click a part or a wire to delete it.</source>
        <translation>&lt;b&gt;Löschwerkzeug&lt;/b&gt;: Löscht das angeklickte Bauteil oder die angeklickte Leitung.</translation>
    </message>
    <message>
        <source>move the new part, the focused part or the board&apos;s cursor %1 pixels; with Shift, %2 pixel. With the line tool a switch or resistor moved %3 pixels or less counts as a click, as with the mouse</source>
        <translation>das neue Bauteil, das Bauteil mit dem Fokus oder den Cursor der Arbeitsfläche um %1 Pixel verschieben, mit Umschalt um %2 Pixel. Mit dem Leitungswerkzeug zählt ein Schalter oder Widerstand, der um %3 Pixel oder weniger verschoben wird, wie mit der Maus als Klick</translation>
    </message>
    <message>
        <source>Hover over a bulb, or move the keyboard focus to it, to see (or hear, with a screen reader) why it is dark. The first of these that holds is said: a wire joins its two terminals (shorted by a wire); no loop passes through it (not in a closed loop); closing the open switches would put it in a loop with a cell (a switch in its loop is open); its loops hold no cell (no cell in its circuit); its loops hold cells but no current flows (the cells cancel out); or less than a hundredth of an ampere flows (too little current).</source>
        <translation>Zeige mit der Maus auf eine Glühlampe oder wähle sie mit der Tastatur aus, um zu sehen (oder mit einem Bildschirmleser zu hören), warum sie dunkel ist. Genannt wird der erste Grund, der zutrifft: Eine Leitung verbindet ihre beiden Anschlüsse (durch eine Leitung kurzgeschlossen); kein Stromkreis führt durch sie (nicht in einem geschlossenen Stromkreis); würden die geöffneten Schalter geschlossen, läge sie in einem Stromkreis mit einer Batteriezelle (ein Schalter in ihrem Stromkreis ist geöffnet); ihre Stromkreise enthalten keine Batteriezelle (keine Batteriezelle in ihrem Stromkreis); ihre Stromkreise enthalten Batteriezellen, aber es fließt kein Strom (die Spannungen der Batteriezellen heben sich auf); oder es fließt weniger als ein Hundertstel Ampere (zu wenig Strom).</translation>
    </message>
    <message>
        <source>Keeping your work</source>
        <translation>Die Arbeit behalten</translation>
    </message>
    <message>
        <source>File ▸ Save (%1) keeps the circuit and your notes in a file; File ▸ Open (%2) brings it back, and so does double-clicking the file or dropping it on the window. File ▸ Open Example has ready-made circuits with a note on what to notice.</source>
        <translation>Datei ▸ Speichern (%1) sichert die Schaltung und Ihre Notizen in einer Datei; Datei ▸ Öffnen (%2) holt sie zurück, ebenso ein Doppelklick auf die Datei oder das Ziehen auf das Fenster. Datei ▸ Beispiel öffnen bietet fertige Schaltungen mit einer Notiz, worauf zu achten ist.</translation>
    </message>
    <message>
        <source>Before New, Open or closing would lose changes, you are asked whether to save them. If the program stops without closing, the next start offers the unsaved changes back.</source>
        <translation>Bevor Neu, Öffnen oder Schließen Änderungen verlieren würde, werden Sie gefragt, ob sie gespeichert werden sollen. Endet das Programm, ohne geschlossen zu werden, bietet der nächste Start die ungespeicherten Änderungen wieder an.</translation>
    </message>
    <message>
        <source>Edit ▸ Undo (%1) takes back the last change: a part placed, moved or deleted, a wire, a switch or resistor clicked, a note written or rubbed out; Edit ▸ Redo (%2) makes it again. The two arrows at the right of the menu bar do the same and say which change they mean.</source>
        <translation>Bearbeiten ▸ Rückgängig (%1) nimmt die letzte Änderung zurück: ein eingesetztes, verschobenes oder gelöschtes Bauteil, eine Leitung, einen angeklickten Schalter oder Widerstand, eine geschriebene oder wegradierte Notiz; Bearbeiten ▸ Wiederholen (%2) führt sie wieder aus. Die beiden Pfeile rechts in der Menüleiste tun dasselbe und nennen die Änderung.</translation>
    </message>
    <message>
        <source>Seeing the current</source>
        <translation>Den Strom sehen</translation>
    </message>
    <message>
        <source>View ▸ Show Current (%1) sets dots moving along every wire and through every part that carries current: out of a cell&apos;s positive terminal, round the circuit and back into its negative one. The more current, the faster: 0.1 A moves a dot %2 pixels a second, and no dot goes faster than %3 pixels a second. Where no current flows, nothing moves. View ▸ Electron Flow runs the dots the other way, as the electrons themselves move.</source>
        <translation>Ansicht ▸ Strom zeigen (%1) lässt Punkte an jeder Leitung entlang und durch jedes Bauteil wandern, durch das Strom fließt: aus dem Pluspol einer Batteriezelle heraus, durch den Stromkreis und in ihren Minuspol zurück. Je größer die Stromstärke, desto schneller: Bei 0,1 A wandert ein Punkt %2 Pixel pro Sekunde, und kein Punkt ist schneller als %3 Pixel pro Sekunde. Wo kein Strom fließt, bewegt sich nichts. Ansicht ▸ Elektronenfluss lässt die Punkte andersherum wandern, so wie sich die Elektronen selbst bewegen.</translation>
    </message>
    <message>
        <source>For worksheets: File ▸ Export… (%1) saves a picture of the board as PNG (as on screen, or twice as fine for print), SVG or PDF; File ▸ Print… (%2) prints it on one page with its name and the date; Edit ▸ Copy Board Image (%3) puts it on the clipboard. The pictures show the parts, wires, glowing bulbs, moving dots and notes, not the strip.</source>
        <translation>Für Arbeitsblätter: Datei ▸ Exportieren … (%1) speichert ein Bild des Bretts als PNG (wie auf dem Bildschirm oder doppelt so fein für den Druck), SVG oder PDF; Datei ▸ Drucken … (%2) druckt es auf eine Seite, mit seinem Namen und dem Datum; Bearbeiten ▸ Bild des Bretts kopieren (%3) legt es in die Zwischenablage. Die Bilder zeigen die Bauteile, Leitungen, leuchtenden Lampen, wandernden Punkte und Notizen, nicht die Leiste.</translation>
    </message>
    <message>
        <source>Point at a part to read the current through it and the voltage across it, as in &quot;Resistor 3: 10 ohms, 0.071 A, 0.71 V&quot;. Currents are read to the milliampere and voltages to the hundredth of a volt, rounded, so every part of a series loop reads the same current. For a lab&apos;s view, drag an ammeter (wired into the loop) or a voltmeter (wired across a part) from the Meters and Fuses bar under the menus: its face shows the reading, signed from its red + terminal to its black one.</source>
        <translation>Zeige auf ein Bauteil, um den Strom durch es und die Spannung an ihm abzulesen, etwa „Widerstand 3: 10 Ohm, 0,071 A, 0,71 V“. Ströme werden auf Milliampere und Spannungen auf Hundertstel Volt gerundet angezeigt, sodass jedes Bauteil einer Reihenschaltung denselben Strom anzeigt. Wie im Labor: Ziehe ein Strommessgerät (in den Stromkreis geschaltet) oder ein Spannungsmessgerät (parallel zu einem Bauteil) aus der Leiste „Messgeräte und Sicherungen“ unter den Menüs; seine Anzeige zeigt den Messwert mit Vorzeichen, vom roten Pluspol zum schwarzen Anschluss.</translation>
    </message>
    <message>
        <source>A fuse from the same bar protects a circuit: it is rated 0.25, 0.5 or 1 A, and when more current than that flows through it, it blows and opens the circuit (the fuse most overloaded goes first). Click a fuse with the line tool to change its rating, or to put in a new one once it has blown.</source>
        <translation>Eine Sicherung aus derselben Leiste schützt einen Stromkreis: Sie ist für 0,25, 0,5 oder 1 A ausgelegt, und fließt mehr Strom durch sie, löst sie aus und unterbricht den Stromkreis (die am stärksten überlastete zuerst). Klicke eine Sicherung mit dem Leitungswerkzeug an, um ihren Nennstrom zu ändern oder sie nach dem Auslösen zu ersetzen.</translation>
    </message>
    <message>
        <source>View ▸ Circuit Diagram (%1) draws the same board as a circuit diagram, black on white for a projector or a worksheet: each part as its standard symbol with its label (R3 10 Ω, L2, 1.5 V), a dot where three connections meet. Everything works as before; View ▸ Symbols chooses IEC or ANSI symbols. Export, print and copy draw the view shown.</source>
        <translation>Ansicht ▸ Schaltplan (%1) zeichnet dasselbe Brett als Schaltplan, schwarz auf weiß für den Beamer oder ein Arbeitsblatt: jedes Bauteil als genormtes Schaltzeichen mit seiner Beschriftung (R3 10 Ω, L2, 1,5 V), ein Punkt, wo sich drei Verbindungen treffen. Alles funktioniert wie zuvor; Ansicht ▸ Schaltzeichen wählt IEC- oder ANSI-Zeichen. Exportieren, Drucken und Kopieren zeichnen die gezeigte Ansicht.</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>A task is a circuit with instructions and goals, shown in the task panel beside the board (View ▸ Task Panel hides it). A padlock marks a part you cannot move, delete or click; a “?” marks a value to find by measuring. The strip and the Meters and Fuses bar show how many more parts of each kind you may add. Build the circuit, type any answers, then press Check (Tools ▸ Check Task, %1): each goal gets a tick or a cross, and under a cross a hint from your circuit, such as which bulb is dark and why. Check changes nothing. Saving keeps your work with the task. File ▸ Open Example has six tasks to try.</source>
        <translation>Eine Aufgabe ist eine Schaltung mit Anleitung und Zielen, die im Aufgabenbereich neben der Arbeitsfläche steht (Ansicht ▸ Aufgabenbereich blendet ihn aus). Ein Vorhängeschloss markiert ein Bauteil, das du nicht verschieben, löschen oder anklicken kannst; ein „?“ markiert einen Wert, den du durch Messen herausfinden sollst. Die Leiste unten und die Leiste „Messgeräte und Sicherungen“ zeigen, wie viele Bauteile jeder Art du noch hinzufügen darfst. Baue die Schaltung, schreibe deine Antworten in die Felder und drücke dann „Prüfen“ (Werkzeuge ▸ Aufgabe prüfen, %1): Jedes Ziel bekommt einen Haken oder ein Kreuz, und unter einem Kreuz steht ein Hinweis aus deiner Schaltung, etwa welche Glühlampe dunkel ist und warum. Das Prüfen verändert nichts. Beim Speichern bleibt deine Arbeit bei der Aufgabe. Unter Datei ▸ Beispiel öffnen findest du sechs Aufgaben zum Ausprobieren.</translation>
    </message>
    <message>
        <source>For teachers: build a board, then choose Task ▸ New Task From This Board. In the task editor write a title and instructions, lock parts or hide their values (in the editor&apos;s list, or from a part&apos;s menu on the board: right-click it, or press the Menu key), say how many parts of each kind learners may add, and add goals: a bulb lit or dark, one bulb brighter than or as bright as another (judged on the current to the milliampere), a switch that turns a bulb on and off (or only that bulb), a meter reading a value, no cell shorted, no fuse blown, at most so many parts of a kind, or a number the learner types with its unit. Press Done, then save the file and hand it out.</source>
        <translation>Für Lehrkräfte: Baue eine Schaltung auf und wähle dann Aufgabe ▸ Neue Aufgabe aus dieser Arbeitsfläche. Im Aufgabeneditor gibst du Titel und Anleitung ein, sperrst Bauteile oder verbirgst ihre Werte (in der Liste des Editors oder über das Menü eines Bauteils auf der Arbeitsfläche: Rechtsklick oder Menütaste), legst fest, wie viele Bauteile jeder Art die Lernenden hinzufügen dürfen, und fügst Ziele hinzu: eine Glühlampe leuchtet oder ist dunkel, eine Glühlampe leuchtet heller als eine andere oder gleich hell (beurteilt nach dem Strom auf ein Milliampere genau), ein Schalter schaltet eine Glühlampe ein und aus (oder nur diese), ein Messgerät zeigt einen Wert an, keine Batteriezelle ist kurzgeschlossen, keine Sicherung ist durchgebrannt, höchstens so viele Bauteile einer Art oder eine Zahl mit Einheit, die die Lernenden eingeben. Klicke auf „Fertig“, speichere die Datei und gib sie aus.</translation>
    </message>
    <message>
        <source>Tasks are for classroom practice, not a secure exam: Task ▸ Edit Task lets anyone open the editor again, and the file holds the hidden values.</source>
        <translation>Aufgaben sind zum Üben im Unterricht gedacht, nicht für eine sichere Prüfung: Mit Aufgabe ▸ Aufgabe bearbeiten kann jeder den Editor wieder öffnen, und die Datei enthält die verborgenen Werte.</translation>
    </message>
    <message>
        <source>check the task: a tick or a cross for each goal</source>
        <translation>die Aufgabe prüfen: ein Haken oder ein Kreuz für jedes Ziel</translation>
    </message>
    <message>
        <source>Menu, Shift+F10</source>
        <translation>Menü, Umschalt+F10</translation>
    </message>
    <message>
        <source>while a task is edited, lock the focused part or hide its value</source>
        <translation>beim Bearbeiten einer Aufgabe das ausgewählte Bauteil sperren oder seinen Wert verbergen</translation>
    </message>
    <message>
        <source>move the keyboard between the board and the task panel</source>
        <translation>die Tastatur zwischen Arbeitsfläche und Aufgabenbereich wechseln</translation>
    </message>
    <message>
        <source>Predict first</source>
        <translation>Erst vorhersagen</translation>
    </message>
    <message>
        <source>View ▸ Predict First asks you to think before you look. After each change to the circuit, the bulbs show white glass with a “?”, the meters “?”, and the current&apos;s view and the readings stay hidden. Click each bulb, with any tool (or press Space on it), to say what you expect: dark (no light), dim (lit, under 0.10 A) or bright (0.10 A or more). Then press Show Results (%1, Enter on a part, or the button in the status bar): the circuit shows as it is, and each prediction is marked right or wrong. The status bar counts your right predictions since you switched the mode on.</source>
        <translation>Ansicht ▸ Erst vorhersagen lässt dich nachdenken, bevor du hinschaust. Nach jeder Änderung der Schaltung zeigen die Glühlampen weißes Glas mit „?“, die Messgeräte „?“, und die Stromanzeige und die Messwerte bleiben verborgen. Klicke jede Glühlampe mit einem beliebigen Werkzeug an (oder drücke die Leertaste auf ihr), um zu sagen, was du erwartest: dunkel (kein Licht), schwach (leuchtet, unter 0,10 A) oder hell (0,10 A oder mehr). Drücke dann „Ergebnisse zeigen“ (%1, Eingabetaste auf einem Bauteil oder die Schaltfläche in der Statusleiste): Die Schaltung zeigt sich, wie sie ist, und jede Vorhersage wird als richtig oder falsch markiert. Die Statusleiste zählt deine richtigen Vorhersagen, seit du die Betriebsart eingeschaltet hast.</translation>
    </message>
    <message>
        <source>For a wrong prediction, the Predictions panel explains the bulb from the circuit, the first of these that fits:</source>
        <translation>Zu einer falschen Vorhersage erklärt der Bereich „Vorhersagen“ die Glühlampe aus der Schaltung, mit dem ersten dieser Gründe, der zutrifft:</translation>
    </message>
    <message>
        <source>a wire joins its terminals: the current takes the wire;</source>
        <translation>eine Leitung verbindet ihre Anschlüsse: Der Strom nimmt die Leitung;</translation>
    </message>
    <message>
        <source>a switch in its loop is open: no current flows round it;</source>
        <translation>ein Schalter in ihrem Stromkreis ist offen: Dort fließt kein Strom;</translation>
    </message>
    <message>
        <source>the cells in its loop push against each other: no current;</source>
        <translation>die Batteriezellen in ihrem Stromkreis treiben gegeneinander: kein Strom;</translation>
    </message>
    <message>
        <source>another reason it is dark (not in a closed loop, no cell, a fuse blown);</source>
        <translation>ein anderer Grund, warum sie dunkel ist (kein geschlossener Stromkreis, keine Batteriezelle, eine Sicherung durchgebrannt);</translation>
    </message>
    <message>
        <source>two or more cells push the same way round its loop: more current;</source>
        <translation>zwei oder mehr Batteriezellen treiben in ihrem Stromkreis in dieselbe Richtung: mehr Strom;</translation>
    </message>
    <message>
        <source>another bulb is in its loop, one after the other: the same current passes through both, none is used up on the way;</source>
        <translation>eine andere Glühlampe liegt hintereinander im selben Stromkreis: Durch beide fließt derselbe Strom, unterwegs wird nichts verbraucht;</translation>
    </message>
    <message>
        <source>a resistor is in its loop: before the bulb or after it, the current is the same all the way round;</source>
        <translation>ein Widerstand liegt in ihrem Stromkreis: Ob vor oder nach der Glühlampe, der Strom ist überall gleich;</translation>
    </message>
    <message>
        <source>it has a path of its own across the cell: its own current, while the cell gives more in all, shared between the paths;</source>
        <translation>sie hat einen eigenen Weg an der Batteriezelle: ihren eigenen Strom, während die Batteriezelle insgesamt mehr liefert, aufgeteilt auf die Wege;</translation>
    </message>
    <message>
        <source>otherwise, that it is lit, with its current.</source>
        <translation>sonst, dass sie leuchtet, mit ihrem Strom.</translation>
    </message>
    <message>
        <source>with Predict First, show the results and how the predictions did (Enter on a part does the same; Space on a bulb steps its prediction)</source>
        <translation>bei „Erst vorhersagen“ die Ergebnisse zeigen und wie die Vorhersagen ausgingen (die Eingabetaste auf einem Bauteil ebenso; die Leertaste auf einer Glühlampe schaltet ihre Vorhersage weiter)</translation>
    </message>
    <message>
        <source>With a finger or a pen</source>
        <translation>Mit dem Finger oder einem Stift</translation>
    </message>
    <message>
        <source>A finger does what the left button does: drag parts, draw wires, tap switches, resistors and tools, write notes. It reaches twice as far as the mouse: a wire snaps to a terminal up to %1 pixels away, and a tap may slip %2 pixels. A part you drag with a finger is shown above it, where it will land. A second finger calls off what the first is doing, as Escape does. Tools ▸ Eraser (%3) makes the pencil rub notes out with a finger or the left button; a pen writes with its tip and rubs out with its other end.</source>
        <translation>Ein Finger tut, was die linke Maustaste tut: Bauteile ziehen, Leitungen zeichnen, Schalter, Widerstände und Werkzeuge antippen, Notizen schreiben. Er reicht doppelt so weit wie die Maus: Eine Leitung rastet an einem Anschluss ein, der bis zu %1 Pixel entfernt ist, und beim Antippen darf der Finger %2 Pixel verrutschen. Ein Bauteil, das du mit dem Finger ziehst, wird über dem Finger gezeigt, dort, wo es landen wird. Ein zweiter Finger bricht ab, was der erste gerade tut, wie die Esc-Taste. Mit Werkzeuge ▸ Radiergummi (%3) radiert der Stift Notizen mit dem Finger oder der linken Maustaste weg; ein Eingabestift schreibt mit der Spitze und radiert mit dem anderen Ende.</translation>
    </message>
    <message>
        <source>Zooming the board</source>
        <translation>Die Arbeitsfläche zoomen</translation>
    </message>
    <message>
        <source>View ▸ Zoom In (%1) and Zoom Out (%2) show the board larger or smaller, from 50 % to 300 %; Ctrl with the mouse wheel zooms about the pointer, and two fingers pinch. View ▸ Actual Size (%3) goes back, and Fit in Window shows every part and note. A board larger than the window scrolls. The strip keeps its size, and the parts, wires and snapping are the same at every zoom; files and pictures keep the board at its actual size.</source>
        <translation>Ansicht ▸ Vergrößern (%1) und Verkleinern (%2) zeigen die Arbeitsfläche größer oder kleiner, von 50 % bis 300 %; Strg mit dem Mausrad zoomt um den Mauszeiger herum, und mit zwei Fingern kannst du die Ansicht aufziehen oder zusammenschieben. Ansicht ▸ Originalgröße (%3) führt zurück, und An Fenster anpassen zeigt jedes Bauteil und jede Notiz. Ist die Arbeitsfläche größer als das Fenster, lässt sie sich rollen. Die Leiste behält ihre Größe, und Bauteile, Leitungen und das Einrasten sind bei jedem Zoom gleich; Dateien und Bilder halten die Arbeitsfläche in ihrer Originalgröße fest.</translation>
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
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Close Circuit Workbench</source>
        <translation>Circuit Workbench schließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Show the board on the whole screen, for the class to see</source>
        <translation>Die Arbeitsfläche auf dem ganzen Bildschirm zeigen, damit die Klasse sie sieht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Line tool: drag from one terminal to another to draw a wire; click a switch or a resistor to change it. %1: help</source>
        <translation>Leitungswerkzeug: Ziehe von einem Anschluss zu einem anderen, um eine Leitung zu zeichnen; klicke einen Schalter oder Widerstand an, um ihn umzuschalten. %1: Hilfe</translation>
    </message>
    <message>
        <source>Delete tool: click a part or a wire to delete it. %1: help</source>
        <translation>Löschwerkzeug: Löscht das angeklickte Bauteil oder die angeklickte Leitung. %1: Hilfe</translation>
    </message>
    <message>
        <source>Pencil: draw notes. To join parts with wires, choose the Line tool (%1). %2: help</source>
        <translation>Stift: Notizen zeichnen. Um Bauteile mit Leitungen zu verbinden, wähle das Leitungswerkzeug (%1). %2: Hilfe</translation>
    </message>
    <message>
        <source>&amp;Symbols</source>
        <translation>Schalt&amp;zeichen</translation>
    </message>
    <message>
        <source>T&amp;ask</source>
        <translation>Auf&amp;gabe</translation>
    </message>
    <message>
        <source>Switch Between Board and &amp;Task Panel</source>
        <translation>Zwischen Arbeitsfläche und Aufgabenbereich &amp;wechseln</translation>
    </message>
    <message>
        <source>Move the keyboard from the board to the task panel and back</source>
        <translation>Die Tastatur von der Arbeitsfläche in den Aufgabenbereich und zurück bringen</translation>
    </message>
    <message>
        <source>&amp;Predict First</source>
        <translation>E&amp;rst vorhersagen</translation>
    </message>
    <message>
        <source>After each change, predict every bulb before the results show</source>
        <translation>Nach jeder Änderung jede Glühlampe vorhersagen, bevor die Ergebnisse erscheinen</translation>
    </message>
    <message>
        <source>S&amp;how Results</source>
        <translation>Ergebnisse ze&amp;igen</translation>
    </message>
    <message>
        <source>Show the bulbs, meters and current, and how your predictions did</source>
        <translation>Glühlampen, Messgeräte und Strom zeigen, und wie deine Vorhersagen ausgingen</translation>
    </message>
    <message>
        <source>Predictions</source>
        <translation>Vorhersagen</translation>
    </message>
    <message>
        <source>Predict: click each bulb for dark, dim or bright, then Show (%1).</source>
        <extracomment>Said when a change hides the results until the learner has predicted them.</extracomment>
        <translation>Vorhersagen: Klicke jede Glühlampe für dunkel, schwach oder hell an, dann zeigen (%1).</translation>
    </message>
    <message>
        <source>Line tool: drag between terminals to wire; click to change a switch. %1: help</source>
        <extracomment>The line tool&apos;s hint where the window is narrow (582 pixels): keep it short.</extracomment>
        <translation>Leitung: von Anschluss zu Anschluss ziehen; Schalter anklicken. %1: Hilfe</translation>
    </message>
    <message>
        <source>Delete tool: click a part or wire to delete it. %1: help</source>
        <extracomment>The delete tool&apos;s hint where the window is narrow (582 pixels): keep it short.</extracomment>
        <translation>Löschen: Bauteil oder Leitung anklicken. %1: Hilfe</translation>
    </message>
    <message>
        <source>Pencil: draw notes. For wires, the Line tool (%1). %2: help</source>
        <extracomment>The pencil&apos;s hint where the window is narrow (582 pixels): keep it short.</extracomment>
        <translation>Stift: Notizen. Für Leitungen das Leitungswerkzeug (%1). %2: Hilfe</translation>
    </message>
    <message>
        <source>%1: help</source>
        <translation>%1: Hilfe</translation>
    </message>
    <message>
        <source>Eraser: drag across notes to rub them out. To write again, choose the Pencil (%1). %2: help</source>
        <translation>Radiergummi: Über Notizen ziehen, um sie wegzuradieren. Um wieder zu schreiben, wähle den Stift (%1). %2: Hilfe</translation>
    </message>
    <message>
        <source>Eraser: drag across notes to rub them out. %1: help</source>
        <extracomment>The eraser&apos;s hint where the window is narrow (582 pixels): keep it short.</extracomment>
        <translation>Radiergummi: Über Notizen ziehen radiert sie weg. %1: Hilfe</translation>
    </message>
</context>
<context>
    <name>cw::PartBar</name>
    <message>
        <source>Meters and Fuses</source>
        <translation>Messgeräte und Sicherungen</translation>
    </message>
</context>
<context>
    <name>cw::TaskPanel</name>
    <message>
        <source>Task</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Task Panel</source>
        <translation>&amp;Aufgabenbereich</translation>
    </message>
    <message>
        <source>Show or hide the task beside the board</source>
        <translation>Die Aufgabe neben der Arbeitsfläche zeigen oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Check Task</source>
        <translation>Aufgabe p&amp;rüfen</translation>
    </message>
    <message>
        <source>Tick each goal of the task the circuit meets, with a hint for the others</source>
        <translation>Jedes Ziel der Aufgabe abhaken, das die Schaltung erreicht, mit einem Hinweis zu den anderen</translation>
    </message>
    <message>
        <source>&amp;New Task From This Board</source>
        <translation>&amp;Neue Aufgabe aus dieser Arbeitsfläche</translation>
    </message>
    <message>
        <source>Make this board a task: lock or hide parts, set goals</source>
        <translation>Aus dieser Arbeitsfläche eine Aufgabe machen: Bauteile sperren oder verbergen, Ziele setzen</translation>
    </message>
    <message>
        <source>&amp;Edit Task</source>
        <translation>Aufgabe &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Change the task&apos;s instructions, rules and goals</source>
        <translation>Anleitung, Regeln und Ziele der Aufgabe ändern</translation>
    </message>
    <message>
        <source>&amp;Remove Task</source>
        <translation>Aufgabe &amp;entfernen</translation>
    </message>
    <message>
        <source>Make the board an ordinary circuit again</source>
        <translation>Die Arbeitsfläche wieder zu einer gewöhnlichen Schaltung machen</translation>
    </message>
    <message>
        <source>&amp;Goals:</source>
        <translation>&amp;Ziele:</translation>
    </message>
    <message>
        <source>Chec&amp;k</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Check the task (F5)</source>
        <translation>Die Aufgabe prüfen (F5)</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Instructions:</source>
        <translation>&amp;Anleitung:</translation>
    </message>
    <message>
        <source>&amp;Parts (also from a part&apos;s menu on the board):</source>
        <translation>&amp;Bauteile (auch über das Menü eines Bauteils auf der Arbeitsfläche):</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Bauteil</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Value hidden</source>
        <translation>Wert verborgen</translation>
    </message>
    <message>
        <source>Parts the learner may add</source>
        <translation>Bauteile, die die Lernenden hinzufügen dürfen</translation>
    </message>
    <message>
        <source>any number</source>
        <translation>beliebig viele</translation>
    </message>
    <message>
        <source>G&amp;oals:</source>
        <translation>Zi&amp;ele:</translation>
    </message>
    <message>
        <source>&amp;Add Goal…</source>
        <translation>Ziel &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>Remo&amp;ve Goal</source>
        <translation>Ziel &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Done: Give It to Learners</source>
        <translation>&amp;Fertig: an die Lernenden geben</translation>
    </message>
    <message>
        <source>Leave the editor: the locks and limits hold, and the parts on the board now belong to the task</source>
        <translation>Den Editor verlassen: Sperren und Grenzen gelten, und die Bauteile auf der Arbeitsfläche gehören jetzt zur Aufgabe</translation>
    </message>
    <message>
        <source>Task Editor</source>
        <translation>Aufgabeneditor</translation>
    </message>
    <message>
        <source>Build the circuit, then press Check (F5).</source>
        <translation>Baue die Schaltung und drücke dann „Prüfen“ (F5).</translation>
    </message>
    <message>
        <source>%1 locked</source>
        <translation>%1 gesperrt</translation>
    </message>
    <message>
        <source>%1 value hidden</source>
        <translation>%1 Wert verborgen</translation>
    </message>
    <message>
        <source>The circuit changed: press Check (F5) again.</source>
        <translation>Die Schaltung hat sich geändert: Drücke noch einmal „Prüfen“ (F5).</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Ziele</translation>
    </message>
</context>
</TS>
