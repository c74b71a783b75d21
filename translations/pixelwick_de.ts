<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the background colour &quot;%1&quot; is neither #RRGGBB nor a colour name such as white</source>
        <translation>Die Hintergrundfarbe „%1“ ist weder #RRGGBB noch ein Farbname wie white</translation>
    </message>
    <message>
        <source>the invert colour &quot;%1&quot; is neither #RRGGBB nor a colour name such as white</source>
        <translation>Die Invertierfarbe „%1“ ist weder #RRGGBB noch ein Farbname wie white</translation>
    </message>
    <message>
        <source>the background colour &quot;%1&quot; is transparent; give an opaque colour</source>
        <translation>Die Hintergrundfarbe „%1“ ist transparent; geben Sie eine deckende Farbe an</translation>
    </message>
    <message>
        <source>the invert colour &quot;%1&quot; is transparent; give an opaque colour</source>
        <translation>Die Invertierfarbe „%1“ ist transparent; geben Sie eine deckende Farbe an</translation>
    </message>
    <message>
        <source>the output file name is empty</source>
        <translation>Der Name der Ausgabedatei ist leer</translation>
    </message>
    <message numerus="yes">
        <source>--output names one cursor file, but %n pictures were given</source>
        <translation>
            <numerusform>--output legt eine einzige Cursordatei fest, es wurde aber %n Bild angegeben</numerusform>
            <numerusform>--output legt eine einzige Cursordatei fest, es wurden aber %n Bilder angegeben</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the cursor could not be encoded</source>
        <translation>%1: Der Cursor konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>%1: writing to standard output failed: %2</source>
        <translation>%1: Das Schreiben in die Standardausgabe ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Makes a 32 x 32 monochrome cursor of each picture&apos;s top-left corner and writes it beside the
picture (arrow.png gives arrow.cur), as Pixelwick&apos;s Make CUR does. Pixels of the background
colour become transparent, of the invert colour screen-inverting; other colours become white
or black by brightness. White and black pixels stay, except that a white key colour makes
them invert and a black one transparent. Exit code 0: all converted, 1: some failed,
2: bad options.</source>
        <translation>Erstellt aus der linken oberen Ecke jedes Bildes einen monochromen Cursor mit 32 × 32 Pixeln und
speichert ihn neben dem Bild (aus arrow.png wird arrow.cur), so wie es „CUR erstellen“ in
Pixelwick tut. Pixel in der Hintergrundfarbe werden transparent, Pixel in der Invertierfarbe
invertieren den Bildschirm; alle anderen Farben werden je nach Helligkeit weiß oder schwarz.
Weiße und schwarze Pixel bleiben, wie sie sind, mit zwei Ausnahmen: Ist Weiß als Hintergrund-
oder Invertierfarbe gewählt, invertieren weiße Pixel; ist Schwarz gewählt, werden schwarze Pixel
transparent. Rückgabewert 0: alle Bilder umgewandelt, 1: mindestens ein Bild nicht umgewandelt,
2: ungültige Optionen.</translation>
    </message>
    <message>
        <source>Hot spot column from the left, 0 to 31 (default %1). A fraction is rounded, a half to the even number.</source>
        <translation>Spalte des Hotspots von links, 0 bis 31 (Standard: %1). Werte mit Nachkommastellen werden gerundet, genau halbe Werte zur geraden Zahl.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>Hot spot row from the top, 0 to 31 (default %1).</source>
        <translation>Zeile des Hotspots von oben, 0 bis 31 (Standard: %1).</translation>
    </message>
    <message>
        <source>Colour that becomes transparent, #RRGGBB or a name (default %1).</source>
        <translation>Farbe, die transparent wird: #RRGGBB oder ein Farbname (Standard: %1).</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>Colour that inverts the screen, #RRGGBB or a name (default %1).</source>
        <translation>Farbe, die den Bildschirm invertiert: #RRGGBB oder ein Farbname (Standard: %1).</translation>
    </message>
    <message>
        <source>Write the cursor of the one picture to FILE instead; &quot;-&quot; writes it to standard output.</source>
        <translation>Schreibt den Cursor stattdessen in DATEI (nur bei einem einzigen Bild); mit „-“ wird er in die Standardausgabe geschrieben.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>BILD</translation>
    </message>
    <message>
        <source>PICTURE...</source>
        <translation>BILD...</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for the options.</source>
        <translation>Geben Sie „%1 --help“ ein, um die Optionen anzuzeigen.</translation>
    </message>
    <message>
        <source>no picture given</source>
        <translation>Kein Bild angegeben</translation>
    </message>
    <message>
        <source>the preview file name is empty</source>
        <translation>Der Name der Vorschaudatei ist leer</translation>
    </message>
    <message numerus="yes">
        <source>--preview shows one cursor, but %n pictures were given</source>
        <translation>
            <numerusform>--preview zeigt einen einzigen Cursor, es wurde aber %n Bild angegeben</numerusform>
            <numerusform>--preview zeigt einen einzigen Cursor, es wurden aber %n Bilder angegeben</numerusform>
        </translation>
    </message>
    <message>
        <source>--show writes no cursor, so --output has nothing to do</source>
        <translation>--show schreibt keinen Cursor, daher hat --output keine Wirkung</translation>
    </message>
    <message>
        <source>cannot write the preview %1: %2</source>
        <translation>Die Vorschaudatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the cursor could not be encoded</source>
        <translation>Der Cursor konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>the name is not valid text in this system&apos;s encoding (UTF-8), so Pixelwick cannot open the file by it; rename the file</source>
        <translation>der Name ist in der Zeichenkodierung dieses Systems (UTF-8) kein gültiger Text, daher kann Pixelwick die Datei darunter nicht öffnen; benennen Sie die Datei um</translation>
    </message>
    <message>
        <source>the file name %1 is not valid text in this system&apos;s encoding (UTF-8), so Pixelwick cannot write to it</source>
        <translation>der Dateiname %1 ist in der Zeichenkodierung dieses Systems (UTF-8) kein gültiger Text, daher kann Pixelwick nicht dorthin schreiben</translation>
    </message>
    <message>
        <source>%1 is standard input or an open file&apos;s name, which has no folder for the cursor to go beside it; name the cursor with -o FILE</source>
        <translation>%1 ist die Standardeingabe oder der Name einer geöffneten Datei und hat keinen Ordner, in den der Cursor daneben käme; nennen Sie den Cursor mit -o DATEI</translation>
    </message>
    <message>
        <source>standard input holds more than %1 MB, more than any picture needs</source>
        <translation>die Standardeingabe enthält mehr als %1 MB, mehr als irgendein Bild braucht</translation>
    </message>
    <message>
        <source>reading standard input failed: %1</source>
        <translation>das Lesen der Standardeingabe ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Pictures to convert; &quot;-&quot; reads one from standard input.</source>
        <translation>Die umzuwandelnden Bilder; „-“ liest eines von der Standardeingabe.</translation>
    </message>
    <message>
        <source>the background colour %1 matches no pixel of the picture</source>
        <translation>die Hintergrundfarbe %1 trifft auf kein Pixel des Bildes zu</translation>
    </message>
    <message>
        <source>the invert colour %1 matches no pixel of the picture</source>
        <translation>die Invertierfarbe %1 trifft auf kein Pixel des Bildes zu</translation>
    </message>
    <message>
        <source>the hot spot %1, %2 lies outside the %3 x %3 cursor</source>
        <translation>der Hotspot %1, %2 liegt außerhalb des Cursors von %3 x %3</translation>
    </message>
    <message>
        <source>Also write how the cursor of the one PICTURE looks, as Windows and as browsers and Linux draw it, as a picture in the format FILE&apos;s suffix names (PNG for any other).</source>
        <translation>Außerdem schreiben, wie der Cursor des einen BILDES aussieht, wie Windows und wie Browser und Linux ihn zeichnen, als Bild in dem Format, das die Endung von DATEI nennt (sonst PNG).</translation>
    </message>
    <message>
        <source>-o - writes the cursor&apos;s bytes to standard output, which is a terminal; redirect standard output to a file or a pipe</source>
        <translation>-o - schreibt die Bytes des Cursors in die Standardausgabe, die ein Terminal ist; leiten Sie die Standardausgabe in eine Datei oder eine Pipe um</translation>
    </message>
    <message>
        <source>the output %1 is a terminal, which cannot show the cursor&apos;s bytes; name a file or a pipe</source>
        <translation>die Ausgabe %1 ist ein Terminal, das die Bytes des Cursors nicht zeigen kann; nennen Sie eine Datei oder eine Pipe</translation>
    </message>
    <message>
        <source>the preview %1 is a terminal, which cannot show a picture&apos;s bytes; name a file</source>
        <translation>die Vorschau %1 ist ein Terminal, das die Bytes eines Bildes nicht zeigen kann; nennen Sie eine Datei</translation>
    </message>
    <message>
        <source>the preview %1 names the picture format %2, which cannot be written here; give it a suffix such as .png</source>
        <translation>die Vorschau %1 nennt das Bildformat %2, das hier nicht geschrieben werden kann; geben Sie ihr eine Endung wie .png</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: Warnung: %2</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>the picture is %1 x %2 pixels; to be combined it must be square, from 16 to 256 pixels and a multiple of 8</source>
        <translation>das Bild hat %1 x %2 Pixel; zum Zusammenfassen muss es quadratisch sein, 16 bis 256 Pixel groß und ein Vielfaches von 8</translation>
    </message>
    <message>
        <source>it is %1 x %1 pixels, as %2 is; a cursor holds one image of each size</source>
        <translation>es hat %1 x %1 Pixel, wie %2; ein Cursor enthält von jeder Größe nur ein Bild</translation>
    </message>
    <message>
        <source>--hotspot-for %1 names a size that no picture has</source>
        <translation>--hotspot-for %1 nennt eine Größe, die kein Bild hat</translation>
    </message>
    <message>
        <source>the size &quot;%1&quot; is not one a cursor can have: from 16 to 256, a multiple of 8</source>
        <translation>die Größe „%1“ kann ein Cursor nicht haben: 16 bis 256, ein Vielfaches von 8</translation>
    </message>
    <message>
        <source>--hotspot-for &quot;%1&quot; is not SIZE:X,Y, such as 48:23,21</source>
        <translation>--hotspot-for „%1“ ist nicht GRÖSSE:X,Y, etwa 48:23,21</translation>
    </message>
    <message>
        <source>Print the looks of each PICTURE as text instead of writing a cursor: a first line &quot;NAME: W x H cursor, hot spot X, Y&quot;, then one line a row, top first, one character a pixel: # black, O white, . transparent, ~ inverted. A cursor, icon or animated cursor file is read as what it is: every image of it, each marked &quot;, image I of N&quot;, &quot;, D-bit colour&quot; or &quot;, frame F of M&quot; where that applies.</source>
        <translation>Gibt statt einer Cursordatei für jedes BILD als Text aus, wie sein Cursor aussieht: zuerst eine Zeile „NAME: W x H cursor, hot spot X, Y“, dann je Pixelreihe eine Zeile (von oben nach unten) mit einem Zeichen je Pixel: # schwarz, O weiß, . transparent, ~ invertierend. Eine Cursor-, Symbol- oder animierte Cursordatei wird als das gelesen, was sie ist: jedes ihrer Bilder, jeweils mit „, image I of N“, „, D-bit colour“ oder „, frame F of M“ gekennzeichnet, wo das zutrifft.</translation>
    </message>
    <message>
        <source>Make the cursor of the top-left N x N pixels instead, N from 16 to 256 and a multiple of 8 (default 32); its default hot spot is N / 2 - 1.</source>
        <translation>Erstellt den Cursor stattdessen aus den linken oberen N x N Pixeln, N von 16 bis 256 und ein Vielfaches von 8 (Standard: 32); sein Hotspot ist dann standardmäßig N / 2 - 1.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Make one cursor file, named with -o, of all the PICTUREs, one image each at its picture&apos;s own size (square, 16 to 256, a multiple of 8), as Windows picks by pointer size and screen scale. -x and -y give the 32 x 32 image&apos;s hot spot; the other sizes get the same spot of the picture.</source>
        <translation>Erstellt aus allen BILDERN eine einzige Cursordatei, mit -o benannt, mit je einem Bild in der eigenen Größe seines Bildes (quadratisch, 16 bis 256, ein Vielfaches von 8), aus denen Windows nach Zeigergröße und Bildschirmskalierung wählt. -x und -y geben den Hotspot des Bildes mit 32 x 32 Pixeln an; die anderen Größen erhalten dieselbe Stelle des Bildes.</translation>
    </message>
    <message>
        <source>The hot spot of the image of size N, by hand; may be given for each size.</source>
        <translation>Der Hotspot des Bildes der Größe N, von Hand; kann für jede Größe angegeben werden.</translation>
    </message>
    <message>
        <source>N:X,Y</source>
        <translation>N:X,Y</translation>
    </message>
    <message>
        <source>--hotspot-for gives the size %1 twice</source>
        <translation>--hotspot-for nennt die Größe %1 zweimal</translation>
    </message>
    <message>
        <source>--combine takes each image&apos;s size from its picture, so --size has nothing to do</source>
        <translation>--combine nimmt die Größe jedes Bildes von seinem Bild, daher hat --size keine Wirkung</translation>
    </message>
    <message>
        <source>--show reads each file as it is, so --combine has nothing to do</source>
        <translation>--show liest jede Datei, wie sie ist, daher hat --combine keine Wirkung</translation>
    </message>
    <message>
        <source>--combine makes one cursor of all the pictures: name it with -o</source>
        <translation>--combine erstellt einen einzigen Cursor aus allen Bildern: nennen Sie ihn mit -o</translation>
    </message>
    <message>
        <source>--hotspot-for %1 names a size that is not made: the cursor is %2 x %2</source>
        <translation>--hotspot-for %1 nennt eine Größe, die nicht erstellt wird: der Cursor hat %2 x %2 Pixel</translation>
    </message>
    <message numerus="yes">
        <source>the cursor file is larger than %n MB</source>
        <translation>
            <numerusform>die Cursordatei ist größer als %n MB</numerusform>
            <numerusform>die Cursordatei ist größer als %n MB</numerusform>
        </translation>
    </message>
    <message>
        <source>an icon has no hot spot</source>
        <translation>ein Symbol hat keinen Hotspot</translation>
    </message>
    <message>
        <source>the preview draws at most %1 images, but the file holds %2</source>
        <translation>die Vorschau zeichnet höchstens %1 Bilder, die Datei enthält aber %2</translation>
    </message>
    <message>
        <source>the hot spot %1, %2 lies outside the %3 x %3 image of the cursor</source>
        <translation>der Hotspot %1, %2 liegt außerhalb des Bildes von %3 x %3 im Cursor</translation>
    </message>
    <message>
        <source>the preview is %1 x %2 pixels, but the picture format %3 holds only squares; give it a suffix such as .png</source>
        <translation>die Vorschau hat %1 x %2 Pixel, das Bildformat %3 fasst aber nur Quadrate; geben Sie ihr eine Endung wie .png</translation>
    </message>
    <message>
        <source>the preview is %1 x %2 pixels, but the picture format %3 holds at most %4 x %4; give it a suffix such as .png</source>
        <translation>die Vorschau hat %1 x %2 Pixel, das Bildformat %3 fasst aber höchstens %4 x %4; geben Sie ihr eine Endung wie .png</translation>
    </message>
    <message>
        <source>the %1 writer could not write a picture of %2 x %3 pixels</source>
        <translation>das Schreibmodul für %1 konnte kein Bild von %2 x %3 Pixeln schreiben</translation>
    </message>
    <message>
        <source>the part from %1, %2 lies outside the %3 x %4 picture</source>
        <translation>der Ausschnitt ab %1, %2 liegt außerhalb des Bildes von %3 x %4</translation>
    </message>
    <message>
        <source>only the %1 from %2, %3 of the %4 picture was used: --fit uses all of it</source>
        <translation>nur der Ausschnitt von %1 Pixeln ab %2, %3 des Bildes von %4 wurde verwendet: --fit verwendet das ganze Bild</translation>
    </message>
    <message>
        <source>only the top-left %1 of the %2 picture was used: --fit uses all of it</source>
        <translation>nur die linken oberen %1 Pixel des Bildes von %2 wurden verwendet: --fit verwendet das ganze Bild</translation>
    </message>
    <message>
        <source>the %1 x %1 part from %2, %3 reaches past the %4 picture, so white fills the rest of the cursor</source>
        <translation>der Ausschnitt von %1 x %1 ab %2, %3 reicht über das Bild von %4 hinaus, daher füllt Weiß den Rest des Cursors</translation>
    </message>
    <message>
        <source>every pixel of the cursor is transparent, so it would be invisible</source>
        <translation>jedes Pixel des Cursors ist transparent, daher wäre er unsichtbar</translation>
    </message>
    <message>
        <source>every pixel of the %1 x %1 image of the cursor is transparent, so it would be invisible at that size</source>
        <translation>jedes Pixel des Bildes von %1 x %1 im Cursor ist transparent, daher wäre der Cursor in dieser Größe unsichtbar</translation>
    </message>
    <message>
        <source>--sizes gives the size %1 twice</source>
        <translation>--sizes nennt die Größe %1 zweimal</translation>
    </message>
    <message>
        <source>--from &quot;%1&quot; is not X,Y, the top-left pixel of the part, such as 32,0</source>
        <translation>--from „%1“ ist nicht X,Y, das linke obere Pixel des Ausschnitts, etwa 32,0</translation>
    </message>
    <message>
        <source>the tolerance &quot;%1&quot; is not a whole number from 0 to 255</source>
        <translation>die Toleranz „%1“ ist keine ganze Zahl von 0 bis 255</translation>
    </message>
    <message>
        <source>--sizes names every size made, so --size has nothing to do</source>
        <translation>--sizes nennt jede erstellte Größe, daher hat --size keine Wirkung</translation>
    </message>
    <message>
        <source>--combine takes each image&apos;s size from its picture, so --sizes has nothing to do</source>
        <translation>--combine nimmt die Größe jedes Bildes von seinem Bild, daher hat --sizes keine Wirkung</translation>
    </message>
    <message>
        <source>--combine takes each picture whole at its own size, so --fit has nothing to do</source>
        <translation>--combine nimmt jedes Bild ganz in seiner eigenen Größe, daher hat --fit keine Wirkung</translation>
    </message>
    <message>
        <source>--combine takes each picture whole at its own size, so --from has nothing to do</source>
        <translation>--combine nimmt jedes Bild ganz in seiner eigenen Größe, daher hat --from keine Wirkung</translation>
    </message>
    <message>
        <source>--fit scales the whole picture into the cursor, so --from has nothing to do</source>
        <translation>--fit skaliert das ganze Bild in den Cursor, daher hat --from keine Wirkung</translation>
    </message>
    <message>
        <source>--sizes scales the whole picture into each image, so --from has nothing to do</source>
        <translation>--sizes skaliert das ganze Bild in jedes Bild des Cursors, daher hat --from keine Wirkung</translation>
    </message>
    <message>
        <source>Scale the whole picture into the cursor instead: its longer side becomes the cursor&apos;s, centred, and each cursor pixel takes the look that most of its area has. A drawing (SVG) is drawn 8 times the cursor&apos;s side first.</source>
        <translation>Skaliert stattdessen das ganze Bild in den Cursor: seine längere Seite wird die des Cursors, mittig, und jedes Cursorpixel erhält das Aussehen, das den größten Teil seiner Fläche hat. Eine Zeichnung (SVG) wird zuvor mit der achtfachen Seitenlänge des Cursors gezeichnet.</translation>
    </message>
    <message>
        <source>Make the cursor of the part whose top-left pixel is X,Y instead of the top-left corner.</source>
        <translation>Erstellt den Cursor aus dem Ausschnitt, dessen linkes oberes Pixel X,Y ist, statt aus der linken oberen Ecke.</translation>
    </message>
    <message>
        <source>X,Y</source>
        <translation>X,Y</translation>
    </message>
    <message>
        <source>Make one cursor file with an image of each size, such as 24,32,48,64, smallest first, each of the whole picture fitted as with --fit. -x and -y give the 32 x 32 image&apos;s hot spot; the other sizes get the same spot of the picture.</source>
        <translation>Erstellt eine Cursordatei mit einem Bild jeder Größe, etwa 24,32,48,64, das kleinste zuerst, jedes aus dem ganzen Bild wie mit --fit eingepasst. -x und -y geben den Hotspot des Bildes mit 32 x 32 Pixeln an; die anderen Größen erhalten dieselbe Stelle des Bildes.</translation>
    </message>
    <message>
        <source>N,N,...</source>
        <translation>N,N,...</translation>
    </message>
    <message>
        <source>Count a colour as a key colour when each of its channels lies within T of the key&apos;s, 0 to 255 (default 0: exactly), for pictures saved with loss, such as JPEG.</source>
        <translation>Zählt eine Farbe als Schlüsselfarbe, wenn jeder ihrer Kanäle höchstens T von dem der Schlüsselfarbe abweicht, 0 bis 255 (Standard: 0, genau), für verlustbehaftet gespeicherte Bilder wie JPEG.</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>--hotspot-for %1 names a size that --sizes does not make</source>
        <translation>--hotspot-for %1 nennt eine Größe, die --sizes nicht erstellt</translation>
    </message>
    <message>
        <source>Write an Xcursor file, as X11 and Wayland desktops load pointers, named with -o, instead of a .cur: one image of each size made, its colours premultiplied ARGB.</source>
        <translation>Schreibt statt einer .cur eine Xcursor-Datei, wie X11- und Wayland-Desktops Mauszeiger laden, mit -o benannt: ein Bild jeder erstellten Größe, seine Farben als vormultipliziertes ARGB.</translation>
    </message>
    <message>
        <source>Write a pointer theme NAME for X11 and Wayland desktops: NAME/index.theme and an Xcursor file of each picture in NAME/cursors, named after it, in the folder -o names (default $XDG_DATA_HOME/icons, else ~/.local/share/icons). A picture named after a pointer role (arrow, ibeam, hand, left_ptr, pointer...) is that role&apos;s file, every other name of the role linked to it.</source>
        <translation>Schreibt ein Zeigerthema NAME für X11- und Wayland-Desktops: NAME/index.theme und eine Xcursor-Datei jedes Bildes in NAME/cursors, nach ihm benannt, in den Ordner, den -o nennt (Standard: $XDG_DATA_HOME/icons, sonst ~/.local/share/icons). Ein Bild, das nach einer Zeigerrolle benannt ist (arrow, ibeam, hand, left_ptr, pointer ...), wird zur Datei dieser Rolle, und jeder andere Name der Rolle wird mit ihr verknüpft.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>ROLE</source>
        <translation>ROLLE</translation>
    </message>
    <message>
        <source>How an Xcursor file shows inverted pixels, which X11 and Wayland cannot draw: outline (black, with white on the transparent pixels touching them; the default), black or white.</source>
        <translation>Wie eine Xcursor-Datei invertierende Pixel zeigt, die X11 und Wayland nicht zeichnen können: outline (schwarz, mit Weiß auf den transparenten Pixeln, die sie berühren; Standard), black (schwarz) oder white (weiß).</translation>
    </message>
    <message>
        <source>LOOK</source>
        <translation>AUSSEHEN</translation>
    </message>
    <message>
        <source>--theme %1: %2</source>
        <translation>--theme %1: %2</translation>
    </message>
    <message>
        <source>--role %1 names no pointer role; the roles are %2</source>
        <translation>--role %1 nennt keine Zeigerrolle; die Rollen sind %2</translation>
    </message>
    <message>
        <source>--inverted-as takes outline, black or white, not %1</source>
        <translation>--inverted-as nimmt outline, black oder white, nicht %1</translation>
    </message>
    <message>
        <source>--theme writes Xcursor files, so --xcursor has nothing to do</source>
        <translation>--theme schreibt Xcursor-Dateien, daher hat --xcursor keine Wirkung</translation>
    </message>
    <message>
        <source>--show writes nothing, so %1 has nothing to do</source>
        <translation>--show schreibt nichts, daher hat %1 keine Wirkung</translation>
    </message>
    <message>
        <source>--theme makes a pointer of each picture, so --combine has nothing to do</source>
        <translation>--theme erstellt aus jedem Bild einen Zeiger, daher hat --combine keine Wirkung</translation>
    </message>
    <message>
        <source>--xcursor writes one Xcursor file: name it with -o</source>
        <translation>--xcursor schreibt eine einzige Xcursor-Datei: nennen Sie sie mit -o</translation>
    </message>
    <message>
        <source>--theme writes a folder: -o names the folder it goes in, not standard output</source>
        <translation>--theme schreibt einen Ordner: -o nennt den Ordner, in den er kommt, nicht die Standardausgabe</translation>
    </message>
    <message>
        <source>--inverted-as says how an Xcursor file shows inverted pixels: use it with --xcursor or --theme</source>
        <translation>--inverted-as legt fest, wie eine Xcursor-Datei invertierende Pixel zeigt: verwenden Sie es mit --xcursor oder --theme</translation>
    </message>
    <message>
        <source>the hot spot %1, %2 lies outside the %3 x %3 image, and an Xcursor file holds only hot spots within its images</source>
        <translation>der Hotspot %1, %2 liegt außerhalb des Bildes von %3 x %3, und eine Xcursor-Datei fasst nur Hotspots innerhalb ihrer Bilder</translation>
    </message>
    <message>
        <source>its name cannot name a pointer in a theme; give it a role with --role</source>
        <translation>sein Name kann keinen Zeiger in einem Thema benennen; geben Sie ihm mit --role eine Rolle</translation>
    </message>
    <message>
        <source>it gives the pointer %1, as %2 does; a theme holds one pointer of each name</source>
        <translation>es ergibt den Zeiger %1, wie auch %2; ein Thema enthält nur einen Zeiger jedes Namens</translation>
    </message>
    <message>
        <source>the theme %1 was not written, as not every picture gave its pointer</source>
        <translation>das Thema %1 wurde nicht geschrieben, da nicht jedes Bild seinen Zeiger ergab</translation>
    </message>
    <message>
        <source>cannot write the theme %1: %2</source>
        <translation>Das Thema %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The pointer theme is in %1. %2</source>
        <translation>Das Zeigerthema liegt in %1. %2</translation>
    </message>
    <message>
        <source>The pointer role of the pictures, whatever their names: %1, or any X name of one. Several pictures are that pointer&apos;s frames, in the order given.</source>
        <translation>Die Zeigerrolle der Bilder, wie auch immer sie heißen: %1 oder ein X-Name einer davon. Mehrere Bilder sind die Animationsbilder dieses Zeigers in der angegebenen Reihenfolge.</translation>
    </message>
    <message>
        <source>--role gives the pictures&apos; pointer its role in a theme, a scheme or an animated cursor: use it with --theme, --scheme or -o FILE.ani</source>
        <translation>--role gibt dem Zeiger der Bilder seine Rolle in einem Thema, einem Schema oder einem animierten Mauszeiger: verwenden Sie es mit --theme, --scheme oder -o DATEI.ani</translation>
    </message>
    <message>
        <source>the rate &quot;%1&quot; is not a frame&apos;s time in 1/60 s: a whole number from 1 to %2</source>
        <translation>die Rate „%1“ ist keine Dauer eines Bildes in 1/60 s: eine ganze Zahl von 1 bis %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no pointer role; the roles are %2, or any of their X names</source>
        <translation>„%1“ nennt keine Zeigerrolle; die Rollen sind %2 oder einer ihrer X-Namen</translation>
    </message>
    <message>
        <source>--role-hotspot &quot;%1&quot; is not ROLE:X,Y, such as ibeam:15,15</source>
        <translation>--role-hotspot „%1“ hat nicht die Form ROLLE:X,Y, etwa ibeam:15,15</translation>
    </message>
    <message numerus="yes">
        <source>%1 is one animated cursor, but the pictures make %n pointers (%2): number the frames of one (wait-1.png, wait-2.png...) or give --role</source>
        <translation>
            <numerusform>%1 ist ein animierter Mauszeiger, aber die Bilder ergeben %n Zeiger (%2): nummerieren Sie die Bilder eines Zeigers (wait-1.png, wait-2.png …) oder geben Sie --role an</numerusform>
            <numerusform>%1 ist ein animierter Mauszeiger, aber die Bilder ergeben %n Zeiger (%2): nummerieren Sie die Bilder eines Zeigers (wait-1.png, wait-2.png …) oder geben Sie --role an</numerusform>
        </translation>
    </message>
    <message>
        <source>--show reads each file as it is, so --scheme has nothing to do</source>
        <translation>--show liest jede Datei, wie sie ist, daher hat --scheme nichts zu tun</translation>
    </message>
    <message>
        <source>--scheme makes a cursor of each role, so --combine has nothing to do</source>
        <translation>--scheme macht einen Mauszeiger je Rolle, daher hat --combine nichts zu tun</translation>
    </message>
    <message>
        <source>--preview shows one cursor; show each of the scheme&apos;s with --show --preview</source>
        <translation>--preview zeigt einen Mauszeiger; zeigen Sie jeden des Schemas mit --show --preview</translation>
    </message>
    <message>
        <source>--scheme writes a folder, which cannot go to standard output</source>
        <translation>--scheme schreibt einen Ordner, der nicht in die Standardausgabe gehen kann</translation>
    </message>
    <message>
        <source>--combine makes one cursor of pictures of each size, so it makes no animation</source>
        <translation>--combine macht einen Mauszeiger aus Bildern je einer Größe, daher macht es keine Animation</translation>
    </message>
    <message>
        <source>Make the Windows pointer scheme NAME: the folder NAME in the folder -o names (default: the current one), with a cursor for each role the pictures are named after (arrow.png, wait-1.png, wait-2.png...), an animated one where a role has frames, and an install.inf that installs it.</source>
        <translation>Das Windows-Zeigerschema NAME erstellen: den Ordner NAME in dem Ordner, den -o nennt (sonst dem aktuellen), mit einem Mauszeiger für jede Rolle, nach der die Bilder benannt sind (arrow.png, wait-1.png, wait-2.png …), einem animierten, wo eine Rolle mehrere Bilder hat, und einer install.inf, die es installiert.</translation>
    </message>
    <message>
        <source>Each frame&apos;s time in an animated cursor, in 1/60 s, from 1 to %1 (default %2), where the picture does not give its own.</source>
        <translation>Die Dauer jedes Bildes eines animierten Mauszeigers in 1/60 s, von 1 bis %1 (Standard %2), wo das Bild keine eigene angibt.</translation>
    </message>
    <message>
        <source>J</source>
        <translation>J</translation>
    </message>
    <message>
        <source>In a scheme, the hot spot of one role, as -x and -y give it for the others; may be given for each role.</source>
        <translation>In einem Schema der Hotspot einer Rolle, wie ihn -x und -y für die anderen angeben; kann für jede Rolle angegeben werden.</translation>
    </message>
    <message>
        <source>ROLE:X,Y</source>
        <translation>ROLLE:X,Y</translation>
    </message>
    <message>
        <source>--role-hotspot gives the role %1 twice</source>
        <translation>--role-hotspot gibt die Rolle %1 zweimal an</translation>
    </message>
    <message>
        <source>its name is no pointer role&apos;s, so it has no place in the scheme; name it after one (arrow, help, wait, ibeam, hand...) or give --role</source>
        <translation>sein Name ist der keiner Zeigerrolle, daher hat es keinen Platz im Schema; benennen Sie es nach einer (arrow, help, wait, ibeam, hand …) oder geben Sie --role an</translation>
    </message>
    <message>
        <source>cannot write the scheme %1: %2</source>
        <translation>das Schema %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>--scheme and --theme make one folder of both sets: give them one name</source>
        <translation>--scheme und --theme machen einen Ordner mit beiden Sätzen: geben Sie ihnen einen Namen</translation>
    </message>
    <message>
        <source>--role-hotspot gives a role of a scheme or theme its hot spot: make one with --scheme or --theme</source>
        <translation>--role-hotspot gibt einer Rolle eines Schemas oder Themas ihren Hotspot: erstellen Sie eines mit --scheme oder --theme</translation>
    </message>
    <message>
        <source>--rate is the time of an animated cursor&apos;s frames: name one with -o FILE.ani, or make a scheme or theme</source>
        <translation>--rate ist die Dauer der Bilder eines animierten Mauszeigers: nennen Sie einen mit -o DATEI.ani oder erstellen Sie ein Schema oder Thema</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>No error</source>
        <translation>Kein Fehler</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Dateizugriffsfehler</translation>
    </message>
    <message>
        <source>Device or file error</source>
        <translation>Geräte- oder Dateifehler</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>No picture has been chosen yet. Load a picture first, then make the cursor.</source>
        <translation>Es wurde noch kein Bild ausgewählt. Laden Sie zuerst ein Bild und erstellen Sie dann den Cursor.</translation>
    </message>
    <message>
        <source>%1 names no picture file.</source>
        <translation>%1 bezeichnet keine Bilddatei.</translation>
    </message>
    <message>
        <source>The cursor %1 would replace the picture itself, so nothing was written. Give the cursor another name.</source>
        <translation>Die Cursordatei %1 würde das Bild selbst ersetzen, daher wurde nichts geschrieben. Geben Sie der Cursordatei einen anderen Namen.</translation>
    </message>
    <message>
        <source>The cursor %1 was already made from the picture %2 in this run, so it was not replaced. Give one of the pictures another name.</source>
        <translation>Die Cursordatei %1 wurde in diesem Durchgang bereits aus dem Bild %2 erstellt und deshalb nicht ersetzt. Geben Sie einem der Bilder einen anderen Namen.</translation>
    </message>
    <message>
        <source>The hot spot x field is empty. Type a whole number such as 15.</source>
        <translation>Das Feld für den x-Wert des Hotspots ist leer. Geben Sie eine ganze Zahl ein, zum Beispiel 15.</translation>
    </message>
    <message>
        <source>The hot spot y field is empty. Type a whole number such as 15.</source>
        <translation>Das Feld für den y-Wert des Hotspots ist leer. Geben Sie eine ganze Zahl ein, zum Beispiel 15.</translation>
    </message>
    <message>
        <source>The hot spot x value %1 is not a number. Type a whole number such as 15.</source>
        <translation>Der x-Wert %1 des Hotspots ist keine Zahl. Geben Sie eine ganze Zahl ein, zum Beispiel 15.</translation>
    </message>
    <message>
        <source>The hot spot y value %1 is not a number. Type a whole number such as 15.</source>
        <translation>Der y-Wert %1 des Hotspots ist keine Zahl. Geben Sie eine ganze Zahl ein, zum Beispiel 15.</translation>
    </message>
    <message>
        <source>The hot spot x value %1 is out of range. It must lie between -32768 and 32767.</source>
        <translation>Der x-Wert %1 des Hotspots liegt außerhalb des zulässigen Bereichs. Er muss zwischen -32768 und 32767 liegen.</translation>
    </message>
    <message>
        <source>The hot spot y value %1 is out of range. It must lie between -32768 and 32767.</source>
        <translation>Der y-Wert %1 des Hotspots liegt außerhalb des zulässigen Bereichs. Er muss zwischen -32768 und 32767 liegen.</translation>
    </message>
    <message>
        <source>Cannot write the cursor file %1: %2.</source>
        <translation>Die Cursordatei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Writing the cursor file %1 failed: %2. No cursor was written, and any older file of that name is unchanged.</source>
        <translation>Das Schreiben der Cursordatei %1 ist fehlgeschlagen: %2. Es wurde kein Cursor geschrieben; eine ältere Datei gleichen Namens bleibt unverändert.</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>Es gibt bereits einen Ordner mit diesem Namen</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>Die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>Der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>Der Ordner %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>it is a link to %1, which does not exist</source>
        <translation>Es handelt sich um eine Verknüpfung auf das nicht vorhandene Ziel %1</translation>
    </message>
    <message>
        <source>it is a block device, which is never written to</source>
        <translation>Es handelt sich um ein Blockgerät; auf Blockgeräte wird grundsätzlich nicht geschrieben</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>Es handelt sich um einen Socket, nicht um eine Datei</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>Es handelt sich nicht um eine Datei</translation>
    </message>
    <message>
        <source>it is a pipe that no program is reading from</source>
        <translation>Es handelt sich um eine Pipe, aus der kein Programm liest</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>Das Ziel hat sich während des Öffnens geändert</translation>
    </message>
    <message>
        <source>the program reading from it takes no more data</source>
        <translation>Das lesende Programm nimmt keine weiteren Daten an</translation>
    </message>
    <message>
        <source>it took no data</source>
        <translation>Es wurden keine Daten angenommen</translation>
    </message>
    <message>
        <source>the disk took no more</source>
        <translation>Der Datenträger hat keine weiteren Daten angenommen</translation>
    </message>
    <message>
        <source>The cursor %1 would replace the picture %2, which this run also reads, so nothing was written. Give the cursor another name.</source>
        <translation>Der Cursor %1 würde das Bild %2 ersetzen, das dieser Aufruf ebenfalls liest, daher wurde nichts geschrieben. Geben Sie dem Cursor einen anderen Namen.</translation>
    </message>
    <message>
        <source>descriptor %1 is not open</source>
        <translation>der Deskriptor %1 ist nicht geöffnet</translation>
    </message>
    <message>
        <source>descriptor %1 is open only for reading</source>
        <translation>der Deskriptor %1 ist nur zum Lesen geöffnet</translation>
    </message>
    <message>
        <source>it is the picture %1, which is never replaced</source>
        <translation>es ist das Bild %1, das nie ersetzt wird</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>eine Datei dieses Namens ist im Weg</translation>
    </message>
    <message>
        <source>a folder of that name holds other things, and is never replaced by one of its own</source>
        <translation>ein Ordner dieses Namens enthält anderes und wird nie durch einen eigenen ersetzt</translation>
    </message>
    <message>
        <source>%1 is not a name that can be made in a folder</source>
        <translation>%1 ist kein Name, der in einem Ordner angelegt werden kann</translation>
    </message>
</context>
<context>
    <name>CursorLooks</name>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message numerus="yes">
        <source>The file is only %n byte(s) long, too short for a cursor.</source>
        <translation>
            <numerusform>Die Datei ist nur %n Byte lang und damit zu kurz für eine Cursordatei.</numerusform>
            <numerusform>Die Datei ist nur %n Byte lang und damit zu kurz für eine Cursordatei.</numerusform>
        </translation>
    </message>
    <message>
        <source>This is not a cursor file.</source>
        <translation>Dies ist keine Cursordatei.</translation>
    </message>
    <message>
        <source>This is an icon, not a cursor: an icon has no hot spot.</source>
        <translation>Dies ist eine Symboldatei, keine Cursordatei: Ein Symbol hat keinen Hotspot.</translation>
    </message>
    <message>
        <source>The cursor file holds no image.</source>
        <translation>Die Cursordatei enthält kein Bild.</translation>
    </message>
    <message numerus="yes">
        <source>The cursor file holds %n images; only a cursor with exactly one image can be read.</source>
        <translation>
            <numerusform>Die Cursordatei enthält %n Bild; gelesen werden können nur Cursor mit genau einem Bild.</numerusform>
            <numerusform>Die Cursordatei enthält %n Bilder; gelesen werden können nur Cursor mit genau einem Bild.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is cut short: it ends after %n byte(s), inside its directory entry.</source>
        <translation>
            <numerusform>Die Datei ist unvollständig: Sie endet nach %n Byte, mitten im Verzeichniseintrag.</numerusform>
            <numerusform>Die Datei ist unvollständig: Sie endet nach %n Byte, mitten im Verzeichniseintrag.</numerusform>
        </translation>
    </message>
    <message>
        <source>The image is said to start at byte %1, inside the file&apos;s own header.</source>
        <translation>Laut Verzeichniseintrag beginnt das Bild bei Byte %1, also noch innerhalb des Dateikopfs.</translation>
    </message>
    <message numerus="yes">
        <source>The image is said to start at byte %1, past the end of the file (%n byte(s)).</source>
        <translation>
            <numerusform>Laut Verzeichniseintrag beginnt das Bild bei Byte %1, also erst hinter dem Dateiende (die Datei ist %n Byte lang).</numerusform>
            <numerusform>Laut Verzeichniseintrag beginnt das Bild bei Byte %1, also erst hinter dem Dateiende (die Datei ist %n Byte lang).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is cut short: its image should be %1 bytes from byte %2, but the file has only %n byte(s).</source>
        <translation>
            <numerusform>Die Datei ist unvollständig: Ihr Bild sollte bei Byte %2 beginnen und %1 Byte lang sein, die Datei ist aber nur %n Byte lang.</numerusform>
            <numerusform>Die Datei ist unvollständig: Ihr Bild sollte bei Byte %2 beginnen und %1 Byte lang sein, die Datei ist aber nur %n Byte lang.</numerusform>
        </translation>
    </message>
    <message>
        <source>The image is stored as PNG; only cursors stored as 1-bit bitmaps can be read.</source>
        <translation>Das Bild ist als PNG gespeichert; gelesen werden können nur Cursor, die als 1-Bit-Bitmap gespeichert sind.</translation>
    </message>
    <message numerus="yes">
        <source>The image is only %n byte(s) long, too short for its bitmap header.</source>
        <translation>
            <numerusform>Das Bild ist nur %n Byte lang und damit zu kurz für seinen Bitmap-Kopf.</numerusform>
            <numerusform>Das Bild ist nur %n Byte lang und damit zu kurz für seinen Bitmap-Kopf.</numerusform>
        </translation>
    </message>
    <message>
        <source>The bitmap header is %1 bytes long; only the usual 40-byte header can be read.</source>
        <translation>Der Bitmap-Kopf ist %1 Byte lang; gelesen werden kann nur der übliche Bitmap-Kopf mit 40 Byte.</translation>
    </message>
    <message numerus="yes">
        <source>The image has %n bit(s) per pixel; only black and white cursors, 1 bit per pixel, can be read.</source>
        <translation>
            <numerusform>Das Bild hat %n Bit pro Pixel; gelesen werden können nur Schwarz-Weiß-Cursor mit 1 Bit pro Pixel.</numerusform>
            <numerusform>Das Bild hat %n Bit pro Pixel; gelesen werden können nur Schwarz-Weiß-Cursor mit 1 Bit pro Pixel.</numerusform>
        </translation>
    </message>
    <message>
        <source>The image is compressed (method %1); only uncompressed cursors can be read.</source>
        <translation>Das Bild ist komprimiert (Verfahren %1); gelesen werden können nur unkomprimierte Cursor.</translation>
    </message>
    <message numerus="yes">
        <source>The bitmap has %n colour plane(s) where a cursor has 1.</source>
        <translation>
            <numerusform>Die Bitmap hat %n Farbebene, ein Cursor hat aber genau eine.</numerusform>
            <numerusform>Die Bitmap hat %n Farbebenen, ein Cursor hat aber genau eine.</numerusform>
        </translation>
    </message>
    <message>
        <source>The bitmap is %1 pixels wide, but the directory entry says %2.</source>
        <translation>Die Bitmap ist %1 Pixel breit, laut Verzeichniseintrag aber %2.</translation>
    </message>
    <message>
        <source>The bitmap is %1 pixels high; a cursor %2 pixels high needs %3, twice its height, for its two planes.</source>
        <translation>Die Bitmap ist %1 Pixel hoch; ein Cursor mit %2 Pixeln Höhe braucht für seine beiden Ebenen die doppelte Höhe, also %3.</translation>
    </message>
    <message>
        <source>The directory entry gives %1 colours where a black and white cursor has 2.</source>
        <translation>Der Verzeichniseintrag gibt %1 Farben an, ein Schwarz-Weiß-Cursor hat aber 2.</translation>
    </message>
    <message>
        <source>The colour table has %1 entries where a black and white cursor has 2.</source>
        <translation>Die Farbtabelle hat %1 Einträge, bei einem Schwarz-Weiß-Cursor sind es aber 2.</translation>
    </message>
    <message>
        <source>The image needs %1 bytes for its header, colours and two planes, but has only %2.</source>
        <translation>Das Bild braucht %1 Byte für Bitmap-Kopf, Farben und beide Ebenen, ist aber nur %2 Byte lang.</translation>
    </message>
    <message>
        <source>The cursor&apos;s two colours are not black and white.</source>
        <translation>Die beiden Farben des Cursors sind nicht Schwarz und Weiß.</translation>
    </message>
    <message>
        <source>As Windows draws it</source>
        <translation>So zeichnet Windows ihn</translation>
    </message>
    <message>
        <source>As browsers and Linux draw it</source>
        <translation>So zeichnen Browser und Linux ihn</translation>
    </message>
    <message>
        <source>On white</source>
        <translation>Auf Weiß</translation>
    </message>
    <message>
        <source>On black</source>
        <translation>Auf Schwarz</translation>
    </message>
    <message>
        <source>On mid-tone stripes</source>
        <translation>Auf mittelhellen Streifen</translation>
    </message>
    <message>
        <source>%1 × %2 cursor; hot spot not marked: %3</source>
        <translation>Cursor mit %1 × %2 Pixeln; Hotspot nicht markiert: %3</translation>
    </message>
    <message>
        <source>%1 × %2 cursor, hot spot %3, %4, which lies outside the cursor and is not marked.</source>
        <translation>Cursor mit %1 × %2 Pixeln, Hotspot bei %3, %4 – außerhalb des Cursors und daher nicht markiert.</translation>
    </message>
    <message>
        <source>%1 × %2 cursor, hot spot %3, %4.</source>
        <translation>Cursor mit %1 × %2 Pixeln, Hotspot bei %3, %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n inverted pixel(s): they invert the screen only on Windows; browsers and Linux show them transparent.</source>
        <translation>
            <numerusform>%n invertierendes Pixel: Es invertiert den Bildschirm nur unter Windows; Browser und Linux stellen es transparent dar.</numerusform>
            <numerusform>%n invertierende Pixel: Sie invertieren den Bildschirm nur unter Windows; Browser und Linux stellen sie transparent dar.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the size sentence, then the inverted pixels&apos; sentence</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The animated cursor is cut short.</source>
        <translation>Der animierte Cursor ist unvollständig.</translation>
    </message>
    <message>
        <source>The animated cursor has no header of its animation.</source>
        <translation>Dem animierten Cursor fehlt der Kopf seiner Animation.</translation>
    </message>
    <message>
        <source>The animated cursor&apos;s frames are bare bitmaps, not cursors; they cannot be read.</source>
        <translation>Die Einzelbilder des animierten Cursors sind bloße Bitmaps, keine Cursor; sie können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The animated cursor holds no frame.</source>
        <translation>Der animierte Cursor enthält kein Einzelbild.</translation>
    </message>
    <message>
        <source>The animated cursor says it has %1 frames, but it holds %2.</source>
        <translation>Laut dem animierten Cursor hat er %1 Einzelbilder, er enthält aber %2.</translation>
    </message>
    <message>
        <source>Step %1 of the animated cursor shows frame %2, which it does not hold.</source>
        <translation>Schritt %1 des animierten Cursors zeigt das Einzelbild %2, das er nicht enthält.</translation>
    </message>
    <message>
        <source>Frame %1 of %2: %3</source>
        <translation>Einzelbild %1 von %2: %3</translation>
    </message>
    <message>
        <source>The file holds more images than can be shown.</source>
        <translation>Die Datei enthält mehr Bilder, als gezeigt werden können.</translation>
    </message>
    <message>
        <source>The image is stored as PNG, but its PNG header is missing.</source>
        <translation>Das Bild ist als PNG gespeichert, aber sein PNG-Kopf fehlt.</translation>
    </message>
    <message>
        <source>The image is %1 x %2 pixels; a cursor&apos;s image is at most 256 x 256.</source>
        <translation>Das Bild hat %1 x %2 Pixel; ein Cursorbild hat höchstens 256 x 256.</translation>
    </message>
    <message numerus="yes">
        <source>The image has %n bit(s) per pixel, which no cursor or icon has.</source>
        <translation>
            <numerusform>Das Bild hat %n Bit pro Pixel, was kein Cursor und kein Symbol hat.</numerusform>
            <numerusform>Das Bild hat %n Bit pro Pixel, was kein Cursor und kein Symbol hat.</numerusform>
        </translation>
    </message>
    <message>
        <source>The colour table has %1 entries where an image of %2 bits per pixel has at most %3.</source>
        <translation>Die Farbtabelle hat %1 Einträge, ein Bild mit %2 Bit pro Pixel hat aber höchstens %3.</translation>
    </message>
    <message>
        <source>Image %1 of %2: %3</source>
        <translation>Bild %1 von %2: %3</translation>
    </message>
    <message>
        <source>The image&apos;s colours could not be read whole.</source>
        <translation>Die Farben des Bildes konnten nicht vollständig gelesen werden.</translation>
    </message>
    <message>
        <source>The animated cursor holds more than %1 chunks beside its frames, far more than any animated cursor needs.</source>
        <translation>Der animierte Cursor enthält neben seinen Einzelbildern mehr als %1 Chunks, weit mehr, als ein animierter Cursor braucht.</translation>
    </message>
    <message>
        <source>The animated cursor holds more than %1 frames, more than can be shown.</source>
        <translation>Der animierte Cursor enthält mehr als %1 Einzelbilder, mehr, als gezeigt werden können.</translation>
    </message>
    <message>
        <source>The animated cursor holds more than %1 lists of chunks, far more than any animated cursor needs.</source>
        <translation>Der animierte Cursor enthält mehr als %1 Listen von Chunks, weit mehr, als ein animierter Cursor braucht.</translation>
    </message>
    <message>
        <source>The file&apos;s directory lists %1 images, more than the %2 that can be shown.</source>
        <translation>Das Verzeichnis der Datei führt %1 Bilder auf, mehr als die %2, die gezeigt werden können.</translation>
    </message>
    <message numerus="yes">
        <source>The animated cursor&apos;s table of steps does not match its %1 step(s).</source>
        <translation>
            <numerusform>Die Schritttabelle des animierten Cursors passt nicht zu seinem %1 Schritt.</numerusform>
            <numerusform>Die Schritttabelle des animierten Cursors passt nicht zu seinen %1 Schritten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The Xcursor file is cut short: it ends after %n byte(s), inside what it says it holds.</source>
        <translation>
            <numerusform>Die Xcursor-Datei ist unvollständig: Sie endet nach %n Byte, mitten in dem, was sie zu enthalten angibt.</numerusform>
            <numerusform>Die Xcursor-Datei ist unvollständig: Sie endet nach %n Byte, mitten in dem, was sie zu enthalten angibt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is only %n byte(s) long, too short for an Xcursor file.</source>
        <translation>
            <numerusform>Die Datei ist nur %n Byte lang und damit zu kurz für eine Xcursor-Datei.</numerusform>
            <numerusform>Die Datei ist nur %n Byte lang und damit zu kurz für eine Xcursor-Datei.</numerusform>
        </translation>
    </message>
    <message>
        <source>This is not an Xcursor file.</source>
        <translation>Dies ist keine Xcursor-Datei.</translation>
    </message>
    <message>
        <source>The Xcursor file&apos;s header says it is %1 bytes long, shorter than its own %2 bytes.</source>
        <translation>Der Kopf der Xcursor-Datei gibt an, %1 Byte lang zu sein, kürzer als seine eigenen %2 Byte.</translation>
    </message>
    <message>
        <source>The Xcursor file holds no image.</source>
        <translation>Die Xcursor-Datei enthält kein Bild.</translation>
    </message>
    <message>
        <source>The Xcursor file lists %1 entries, more than the %2 that can be shown.</source>
        <translation>Die Xcursor-Datei führt %1 Einträge auf, mehr als die %2, die gezeigt werden können.</translation>
    </message>
    <message>
        <source>The Xcursor file holds more than %1 entries beside its images, far more than any pointer needs.</source>
        <translation>Die Xcursor-Datei enthält neben ihren Bildern mehr als %1 Einträge, weit mehr, als ein Zeiger braucht.</translation>
    </message>
    <message>
        <source>The Xcursor file holds more than %1 images, more than can be shown.</source>
        <translation>Die Xcursor-Datei enthält mehr als %1 Bilder, mehr, als gezeigt werden können.</translation>
    </message>
    <message>
        <source>Image %1: its chunk is not the one its entry in the table of contents names.</source>
        <translation>Bild %1: Sein Block ist nicht der, den sein Eintrag im Inhaltsverzeichnis nennt.</translation>
    </message>
    <message>
        <source>Image %1: its header is %2 bytes long where an Xcursor image&apos;s is %3.</source>
        <translation>Bild %1: Sein Kopf ist %2 Byte lang, wo der eines Xcursor-Bildes %3 Byte lang ist.</translation>
    </message>
    <message>
        <source>Image %1 is %2 x %3 pixels; a cursor&apos;s image is at most 256 x 256.</source>
        <translation>Bild %1 hat %2 x %3 Pixel; das Bild eines Cursors hat höchstens 256 x 256.</translation>
    </message>
    <message>
        <source>Image %1: its hot spot %2, %3 lies outside its %4 x %5 pixels.</source>
        <translation>Bild %1: Sein Hotspot %2, %3 liegt außerhalb seiner %4 x %5 Pixel.</translation>
    </message>
    <message>
        <source>libXcursor could not read the Xcursor file.</source>
        <translation>libXcursor konnte die Xcursor-Datei nicht lesen.</translation>
    </message>
    <message>
        <source>The cursor %1 cannot be read: %2</source>
        <translation>Der Cursor %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>CursorsToTry</name>
    <message>
        <source>There is no file of that name.</source>
        <translation>Es gibt keine Datei dieses Namens.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Das ist keine Datei.</translation>
    </message>
    <message numerus="yes">
        <source>The file is larger than %n MB, too large for a cursor.</source>
        <translation>
            <numerusform>Die Datei ist größer als %n MB, zu groß für einen Cursor.</numerusform>
            <numerusform>Die Datei ist größer als %n MB, zu groß für einen Cursor.</numerusform>
        </translation>
    </message>
    <message>
        <source>This is not a cursor, an icon or an animated cursor.</source>
        <translation>Das ist weder ein Cursor noch ein Symbol noch ein animierter Cursor.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture %1 is incomplete: the file ends before the picture does.</source>
        <translation>Das Bild %1 ist unvollständig: Die Datei bricht mitten im Bild ab.</translation>
    </message>
    <message>
        <source>The picture %1 is damaged or cannot be read (%2).</source>
        <translation>Das Bild %1 ist beschädigt oder kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The picture %1 is too large to load (%2 × %3 pixels).</source>
        <translation>Das Bild %1 ist zu groß, um geladen zu werden (%2 × %3 Pixel).</translation>
    </message>
    <message>
        <source>its header claims %1 × %2 pixels, more than a file of %3 bytes can hold</source>
        <translation>der Dateikopf gibt %1 × %2 Pixel an – mehr, als eine Datei mit %3 Byte enthalten kann</translation>
    </message>
    <message>
        <source>%1 is not a picture in any format this program can read.</source>
        <translation>%1 ist kein Bild in einem Format, das dieses Programm lesen kann.</translation>
    </message>
    <message>
        <source>No picture file was named.</source>
        <translation>Es wurde keine Bilddatei angegeben.</translation>
    </message>
    <message>
        <source>The picture %1 does not exist.</source>
        <translation>Das Bild %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture.</source>
        <translation>%1 ist ein Ordner, kein Bild.</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file, so it cannot be a picture.</source>
        <translation>%1 ist keine gewöhnliche Datei und kann daher kein Bild sein.</translation>
    </message>
    <message>
        <source>The picture %1 is empty.</source>
        <translation>Das Bild %1 ist leer.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be opened: %2.</source>
        <translation>Das Bild %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: %2.</source>
        <translation>Das Bild %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>an unknown block in the GIF data</source>
        <translation>ein unbekannter Block in den GIF-Daten</translation>
    </message>
    <message>
        <source>a JPEG segment of impossible length</source>
        <translation>ein JPEG-Segment mit ungültiger Länge</translation>
    </message>
    <message>
        <source>an icon file shorter than its own header</source>
        <translation>eine Symboldatei, die kürzer ist als ihr eigener Dateikopf</translation>
    </message>
    <message>
        <source>an icon element that does not fit its file</source>
        <translation>ein Symbolelement, das nicht in seine Datei passt</translation>
    </message>
    <message>
        <source>a GIF frame of %1 × %2 pixels on a screen of %3 × %4</source>
        <translation>ein GIF-Einzelbild von %1 × %2 Pixeln auf einer Fläche von %3 × %4</translation>
    </message>
    <message>
        <source>GIF picture data with a code that is not in its table</source>
        <translation>GIF-Bilddaten mit einem Code, der nicht in ihrer Tabelle steht</translation>
    </message>
    <message>
        <source>GIF picture data that runs on past its %1 × %2 frame</source>
        <translation>GIF-Bilddaten, die über ihr Einzelbild von %1 × %2 hinausgehen</translation>
    </message>
    <message>
        <source>GIF picture data that runs on past its end code</source>
        <translation>GIF-Bilddaten, die über ihren Endcode hinausgehen</translation>
    </message>
    <message>
        <source>a JPEG of %1 scans, more than the %2 this program reads</source>
        <translation>ein JPEG aus %1 Durchläufen, mehr als die %2, die dieses Programm liest</translation>
    </message>
    <message>
        <source>a JPEG whose %1 scans of %2 × %3 pixels would take too long to decode</source>
        <translation>ein JPEG, dessen %1 Durchläufe über %2 × %3 Pixel zu lange zum Dekodieren bräuchten</translation>
    </message>
    <message>
        <source>an MNG animation of more than %1 layers</source>
        <translation>eine MNG-Animation aus mehr als %1 Ebenen</translation>
    </message>
    <message>
        <source>an MNG animation that would take more than %1 million pixels to draw</source>
        <translation>eine MNG-Animation, deren Zeichnen mehr als %1 Millionen Pixel bräuchte</translation>
    </message>
    <message numerus="yes">
        <source>The picture %1 could not be read: reading it took longer than %n seconds, so it was stopped.</source>
        <translation>
            <numerusform>Das Bild %1 konnte nicht gelesen werden: das Lesen dauerte länger als %n Sekunde und wurde daher abgebrochen.</numerusform>
            <numerusform>Das Bild %1 konnte nicht gelesen werden: das Lesen dauerte länger als %n Sekunden und wurde daher abgebrochen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading the picture %1 was given up.</source>
        <translation>Das Lesen des Bildes %1 wurde abgebrochen.</translation>
    </message>
    <message>
        <source>its reader stopped with the signal %1</source>
        <translation>sein Leser endete mit dem Signal %1</translation>
    </message>
    <message>
        <source>its reader gave no answer</source>
        <translation>sein Leser gab keine Antwort</translation>
    </message>
    <message>
        <source>The picture %1 is too large to load (%2 bytes).</source>
        <translation>Das Bild %1 ist zu groß zum Laden (%2 Bytes).</translation>
    </message>
    <message>
        <source>an icon file of more than %1 elements</source>
        <translation>eine Symboldatei aus mehr als %1 Elementen</translation>
    </message>
    <message>
        <source>a WebP animation of more than %1 frames</source>
        <translation>eine WebP-Animation aus mehr als %1 Einzelbildern</translation>
    </message>
    <message>
        <source>a WebP file of more than %1 chunks beside its frames</source>
        <translation>eine WebP-Datei mit mehr als %1 Chunks neben ihren Einzelbildern</translation>
    </message>
    <message>
        <source>an XPM picture of %1 colours, more than the %2 this program reads</source>
        <translation>ein XPM-Bild mit %1 Farben, mehr als die %2, die dieses Programm liest</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: there is not enough memory for it.</source>
        <translation>Das Bild %1 kann nicht gelesen werden: Dafür ist nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: cannot start the picture reader: %2.</source>
        <translation>Das Bild %1 kann nicht gelesen werden: Der Bildleser kann nicht gestartet werden: %2.</translation>
    </message>
    <message>
        <source>it refers to another file (%1), which Pixelwick does not read</source>
        <translation>es verweist auf eine andere Datei (%1), die Pixelwick nicht liest</translation>
    </message>
    <message>
        <source>it holds a picture whose format its first bytes do not tell</source>
        <translation>es enthält ein Bild, dessen Format seine ersten Bytes nicht verraten</translation>
    </message>
    <message>
        <source>it holds pictures inside pictures more than %1 deep</source>
        <translation>es enthält Bilder in Bildern, mehr als %1 Ebenen tief</translation>
    </message>
    <message>
        <source>it holds an incomplete %1 picture</source>
        <translation>es enthält ein unvollständiges %1-Bild</translation>
    </message>
    <message>
        <source>it holds a damaged %1 picture: %2</source>
        <translation>es enthält ein beschädigtes %1-Bild: %2</translation>
    </message>
    <message>
        <source>it holds a %1 picture with parts that can keep a reader busy without end</source>
        <translation>es enthält ein %1-Bild mit Teilen, die einen Leser endlos beschäftigen können</translation>
    </message>
    <message>
        <source>a document type of more than %1 entities</source>
        <translation>eine Dokumenttypdefinition mit mehr als %1 Entitäten</translation>
    </message>
    <message>
        <source>entities that would take the document past %1 MB</source>
        <translation>Entitäten, die das Dokument über %1 MB anwachsen ließen</translation>
    </message>
    <message>
        <source>an SVG document of more than %1 elements</source>
        <translation>ein SVG-Dokument aus mehr als %1 Elementen</translation>
    </message>
    <message>
        <source>it holds text, and no fonts are loaded to draw it</source>
        <translation>es enthält Text, und es sind keine Schriften geladen, um ihn zu zeichnen</translation>
    </message>
    <message>
        <source>its XML is not well-formed at line %1: %2</source>
        <translation>sein XML ist in Zeile %1 nicht wohlgeformt: %2</translation>
    </message>
    <message>
        <source>an SVG document of more than %1 MB</source>
        <translation>ein SVG-Dokument von mehr als %1 MB</translation>
    </message>
    <message>
        <source>an SVGZ file that unpacks to more than %1 MB</source>
        <translation>eine SVGZ-Datei, die entpackt mehr als %1 MB ergibt</translation>
    </message>
    <message>
        <source>its compressed data is damaged (%1)</source>
        <translation>seine komprimierten Daten sind beschädigt (%1)</translation>
    </message>
    <message>
        <source>The animation %1 holds %2 frames, more than the %3 an animated cursor can show.</source>
        <translation>Die Animation %1 enthält %2 Bilder, mehr als die %3, die ein animierter Mauszeiger zeigen kann.</translation>
    </message>
    <message>
        <source>The animation %1 is too large to load: its %2 frames of %3 x %4 pixels hold more than %5 million pixels in all.</source>
        <translation>Die Animation %1 ist zu groß zum Laden: ihre %2 Bilder von %3 × %4 Pixeln enthalten insgesamt mehr als %5 Millionen Pixel.</translation>
    </message>
    <message>
        <source>The animation %1 is damaged or cannot be read (frame %2 is %3 x %4 pixels, not %5 x %6).</source>
        <translation>Die Animation %1 ist beschädigt oder kann nicht gelesen werden (Bild %2 hat %3 × %4 Pixel, nicht %5 × %6).</translation>
    </message>
    <message>
        <source>The animation %1 is damaged or cannot be read (%2).</source>
        <translation>Die Animation %1 ist beschädigt oder kann nicht gelesen werden (%2).</translation>
    </message>
</context>
<context>
    <name>PointerSet</name>
    <message>
        <source>%1 and %2 are both the pointer %3; give each pointer one picture, or number the frames of an animation (%4-1, %4-2, ...)</source>
        <translation>%1 und %2 sind beide der Zeiger %3; geben Sie jedem Zeiger ein Bild oder nummerieren Sie die Bilder einer Animation (%4-1, %4-2 …)</translation>
    </message>
    <message>
        <source>the scheme&apos;s name is empty</source>
        <translation>der Name des Schemas ist leer</translation>
    </message>
    <message>
        <source>the scheme&apos;s name is longer than 64 characters</source>
        <translation>der Name des Schemas ist länger als 64 Zeichen</translation>
    </message>
    <message>
        <source>the scheme&apos;s name may not hold the character %1, as it becomes a folder&apos;s name on Windows</source>
        <translation>der Name des Schemas darf das Zeichen %1 nicht enthalten, da er unter Windows der Name eines Ordners wird</translation>
    </message>
    <message>
        <source>the scheme&apos;s name may not start with a space nor end with a space or a dot</source>
        <translation>der Name des Schemas darf nicht mit einem Leerzeichen beginnen und nicht mit einem Leerzeichen oder Punkt enden</translation>
    </message>
</context>
<context>
    <name>PointerThemes</name>
    <message>
        <source>a theme&apos;s name is the name of its folder: it cannot be empty, start with a dot or hold a slash or a control character</source>
        <translation>der Name eines Themas ist der Name seines Ordners: Er darf nicht leer sein, nicht mit einem Punkt beginnen und keinen Schrägstrich und kein Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>Choose the pointer theme %1 in GNOME Tweaks (Appearance, Cursor) or in KDE&apos;s System Settings (Cursors), or start a program with XCURSOR_THEME=%1 set.</source>
        <translation>Wählen Sie das Zeigerthema %1 in GNOME Optimierungen (Erscheinungsbild, Zeiger) oder in den Systemeinstellungen von KDE (Zeiger), oder starten Sie ein Programm mit gesetztem XCURSOR_THEME=%1.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Pixelwick needs a display to open its window, and none was found (DISPLAY is not set).
Start it from a desktop session, or use pixelwick-convert to make cursors without a window.
</source>
        <translation>Pixelwick kann kein Fenster öffnen, da keine Anzeige gefunden wurde (DISPLAY ist nicht gesetzt).
Starten Sie es in einer Desktop-Sitzung oder erstellen Sie Cursor ohne Fenster mit pixelwick-convert.
</translation>
    </message>
    <message>
        <source>Pixelwick could not open its window: the display “%1” did not answer.
Start it from a desktop session, or use pixelwick-convert to make cursors without a window.
</source>
        <translation>Pixelwick konnte sein Fenster nicht öffnen: die Anzeige „%1“ hat nicht geantwortet.
Starten Sie es aus einer Desktop-Sitzung, oder erstellen Sie Cursor ohne Fenster mit pixelwick-convert.
</translation>
    </message>
    <message>
        <source>Pixelwick could not open its window: the platform “%1” that QT_QPA_PLATFORM names cannot be used here.
Start it from a desktop session, or use pixelwick-convert to make cursors without a window.
</source>
        <translation>Pixelwick konnte sein Fenster nicht öffnen: die Plattform „%1“, die QT_QPA_PLATFORM nennt, ist hier nicht verwendbar.
Starten Sie es aus einer Desktop-Sitzung, oder erstellen Sie Cursor ohne Fenster mit pixelwick-convert.
</translation>
    </message>
    <message>
        <source>Opens Pixelwick&apos;s window, which turns a picture into a monochrome mouse cursor; with PICTURE, loads it as Load BMP would.</source>
        <translation>Öffnet das Fenster von Pixelwick, das ein Bild in einen monochromen Mauszeiger umwandelt; mit BILD lädt es dieses, wie „BMP laden“ es täte.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>BILD</translation>
    </message>
    <message>
        <source>The picture to load at start.</source>
        <translation>Das Bild, das beim Start geladen wird.</translation>
    </message>
    <message>
        <source>[PICTURE]</source>
        <translation>[BILD]</translation>
    </message>
    <message>
        <source>Pixelwick opens one picture at a time.</source>
        <translation>Pixelwick öffnet ein Bild auf einmal.</translation>
    </message>
    <message>
        <source>Run &quot;pixelwick --help&quot; for the options.</source>
        <translation>„pixelwick --help“ zeigt die Optionen.</translation>
    </message>
    <message>
        <source>Fit the whole picture into the cursor, rather than take its top-left 32 × 32 pixels.</source>
        <translation>Das ganze Bild in den Cursor einpassen, statt seine linken oberen 32 × 32 Pixel zu nehmen.</translation>
    </message>
    <message>
        <source>Open only the test area, with the cursor, icon or animated cursor FILE as the pointer.</source>
        <translation>Nur die Probierfläche öffnen, mit dem Cursor, Symbol oder animierten Cursor DATEI als Mauszeiger.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>--try opens the test area alone, without a picture.</source>
        <translation>--try öffnet die Probierfläche allein, ohne ein Bild.</translation>
    </message>
</context>
<context>
    <name>WindowPicture</name>
    <message>
        <source>The whole picture is fitted into the cursor.</source>
        <translation>Das ganze Bild ist in den Cursor eingepasst.</translation>
    </message>
    <message>
        <source>Only the top-left %1&#xa0;×&#xa0;%1 of this %2&#xa0;×&#xa0;%3 picture is used.</source>
        <translation>Nur die linken oberen %1&#xa0;×&#xa0;%1 des %2&#xa0;×&#xa0;%3 großen Bildes werden verwendet.</translation>
    </message>
    <message>
        <source>Pixels %1–%2, %3–%4 of this %5&#xa0;×&#xa0;%6 picture are used.</source>
        <translation>Die Pixel %1–%2, %3–%4 des %5&#xa0;×&#xa0;%6 großen Bildes werden verwendet.</translation>
    </message>
</context>
<context>
    <name>pixelwick::CommonDialog</name>
    <message>
        <source>Cursors (*.cur)</source>
        <translation>Cursor (*.cur)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>pixelwick::FrmConverter</name>
    <message>
        <source>Load BMP</source>
        <translation>BMP laden</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Make CUR</source>
        <translation>CUR erstellen</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Invert colour</source>
        <translation>Invertierfarbe</translation>
    </message>
    <message>
        <source>background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>invert:</source>
        <translation>Invertieren:</translation>
    </message>
    <message>
        <source>x:</source>
        <translation>x:</translation>
    </message>
    <message>
        <source>y:</source>
        <translation>y:</translation>
    </message>
    <message>
        <source>Hot Spot:</source>
        <translation>Hotspot:</translation>
    </message>
    <message>
        <source>Hot spot x</source>
        <translation>Hotspot x</translation>
    </message>
    <message>
        <source>Hot spot y</source>
        <translation>Hotspot y</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>Something went wrong; nothing was changed.</source>
        <translation>Es ist ein Fehler aufgetreten; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Cannot load the picture</source>
        <translation>Bild kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Nothing to show yet: load a picture first.</source>
        <translation>Es gibt noch nichts anzuzeigen: Laden Sie zuerst ein Bild.</translation>
    </message>
    <message>
        <source>Choose a picture (Ctrl+O)</source>
        <translation>Ein Bild wählen (Strg+O)</translation>
    </message>
    <message>
        <source>Write the cursor beside the picture (Ctrl+S)</source>
        <translation>Den Cursor neben das Bild schreiben (Strg+S)</translation>
    </message>
    <message>
        <source>Click a pixel to make it the hot spot, right-click to use its colour, rest the pointer here to see the cursor</source>
        <translation>Klicken Sie auf ein Pixel, um es zum Hotspot zu machen, rechts, um seine Farbe zu verwenden; lassen Sie den Zeiger hier ruhen, um den Cursor zu sehen</translation>
    </message>
    <message>
        <source>Click to choose the colour that becomes transparent</source>
        <translation>Klicken, um die Farbe zu wählen, die durchsichtig wird</translation>
    </message>
    <message>
        <source>Click to choose the colour that inverts the screen</source>
        <translation>Klicken, um die Farbe zu wählen, die den Bildschirm invertiert</translation>
    </message>
    <message>
        <source>The hot spot&apos;s column, 0 to 31 from the left</source>
        <translation>Die Spalte des Hotspots, 0 bis 31 von links</translation>
    </message>
    <message>
        <source>The hot spot&apos;s row, 0 to 31 from the top</source>
        <translation>Die Zeile des Hotspots, 0 bis 31 von oben</translation>
    </message>
    <message>
        <source>Every pixel of the cursor is transparent, so it would be invisible.</source>
        <translation>Jedes Pixel des Cursors ist transparent, er wäre unsichtbar.</translation>
    </message>
    <message>
        <source>Pixel for pixel</source>
        <translation>Pixelgenau</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Fit the whole picture</source>
        <translation>Das ganze Bild einpassen</translation>
    </message>
    <message>
        <source>Near colours…</source>
        <translation>Ähnliche Farben…</translation>
    </message>
    <message>
        <source>Make a set of sizes…</source>
        <translation>Satz von Größen erstellen…</translation>
    </message>
    <message>
        <source>Near colours</source>
        <translation>Ähnliche Farben</translation>
    </message>
    <message>
        <source>A colour counts as a key colour when its red, green and blue each differ from the key&apos;s by this much at most. 0 takes the key colour alone; the colours of a JPEG may need 16 or more.</source>
        <translation>Eine Farbe gilt als Schlüsselfarbe, wenn ihr Rot, Grün und Blau jeweils höchstens so weit von denen der Schlüsselfarbe abweichen. 0 nimmt nur die Schlüsselfarbe selbst; die Farben eines JPEG brauchen oft 16 oder mehr.</translation>
    </message>
    <message>
        <source>Make a set of sizes</source>
        <translation>Satz von Größen erstellen</translation>
    </message>
    <message>
        <source>The sizes of the cursor&apos;s images, each from 16 to 256 and a multiple of 8, such as 24, 32, 48, 64:</source>
        <translation>Die Größen der Bilder des Cursors, jede von 16 bis 256 und ein Vielfaches von 8, etwa 24, 32, 48, 64:</translation>
    </message>
    <message>
        <source>Not a cursor size</source>
        <translation>Keine Cursorgröße</translation>
    </message>
    <message>
        <source>“%1” is not a size a cursor can have: from 16 to 256, a multiple of 8.</source>
        <translation>„%1“ ist keine Größe, die ein Cursor haben kann: von 16 bis 256, ein Vielfaches von 8.</translation>
    </message>
    <message>
        <source>No size was given.</source>
        <translation>Es wurde keine Größe angegeben.</translation>
    </message>
    <message>
        <source>Try the cursor…</source>
        <translation>Cursor ausprobieren …</translation>
    </message>
    <message>
        <source>Nothing to try yet: load a picture first.</source>
        <translation>Es gibt noch nichts auszuprobieren: Laden Sie zuerst ein Bild.</translation>
    </message>
    <message>
        <source>Use on this desktop</source>
        <translation>Auf diesem Desktop verwenden</translation>
    </message>
    <message>
        <source>The cursor becomes the pointer of a theme of your own in %1. The theme&apos;s name:</source>
        <translation>Der Cursor wird zum Mauszeiger eines eigenen Themas in %1. Der Name des Themas:</translation>
    </message>
    <message>
        <source>Not a theme name</source>
        <translation>Kein Themenname</translation>
    </message>
    <message>
        <source>“%1” cannot name a theme: %2.</source>
        <translation>„%1“ kann kein Thema benennen: %2.</translation>
    </message>
    <message>
        <source>Hot spot outside the cursor</source>
        <translation>Hotspot außerhalb des Cursors</translation>
    </message>
    <message>
        <source>The hot spot %1, %2 lies outside the cursor; a desktop&apos;s pointer needs its hot spot within it.</source>
        <translation>Der Hotspot %1, %2 liegt außerhalb des Cursors; der Mauszeiger eines Desktops braucht seinen Hotspot darin.</translation>
    </message>
    <message>
        <source>Cannot write the theme</source>
        <translation>Thema kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The theme %1 cannot be written: %2.</source>
        <translation>Das Thema %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Wrote the pointer theme %1 in %2. Choose it in GNOME Tweaks or in KDE&apos;s System Settings.</source>
        <translation>Das Zeigerthema %1 wurde in %2 geschrieben. Wählen Sie es in GNOME Optimierungen oder in den Systemeinstellungen von KDE.</translation>
    </message>
    <message>
        <source>Use on this desktop…</source>
        <translation>Auf diesem Desktop verwenden…</translation>
    </message>
    <message>
        <source>Replace %1 with the changed cursor?</source>
        <translation>%1 durch den geänderten Cursor ersetzen?</translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n images; only the 32 × 32 cursor is written, and the others are not kept.</source>
        <translation>
            <numerusform>Die Datei enthält %n Bild; nur der 32 × 32-Cursor wird geschrieben, die anderen bleiben nicht erhalten.</numerusform>
            <numerusform>Die Datei enthält %n Bilder; nur der 32 × 32-Cursor wird geschrieben, die anderen bleiben nicht erhalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Speichern unter…</translation>
    </message>
</context>
<context>
    <name>pixelwick::LooksPopup</name>
    <message>
        <source>How the cursor looks</source>
        <translation>So sieht der Cursor aus</translation>
    </message>
</context>
<context>
    <name>pixelwick::MakeNote</name>
    <message>
        <source>Wrote the cursor into %1.</source>
        <translation>Cursor in %1 geschrieben.</translation>
    </message>
    <message>
        <source>Replaced %1 in %2.</source>
        <translation>%1 in %2 ersetzt.</translation>
    </message>
    <message>
        <source>Wrote %1 in %2.</source>
        <translation>%1 in %2 geschrieben.</translation>
    </message>
</context>
<context>
    <name>pixelwick::PictureBox</name>
    <message>
        <source>Set the hot spot here</source>
        <translation>Hotspot hierher setzen</translation>
    </message>
    <message>
        <source>Make this colour transparent</source>
        <translation>Diese Farbe durchsichtig machen</translation>
    </message>
    <message>
        <source>Make this colour invert the screen</source>
        <translation>Diese Farbe den Bildschirm invertieren lassen</translation>
    </message>
</context>
<context>
    <name>pixelwick::TestArea</name>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2, %3</source>
        <translation>Einzelbild %1 von %2, %3</translation>
    </message>
    <message>
        <source>%1, image %2</source>
        <translation>%1, Bild %2</translation>
    </message>
    <message>
        <source>Try the cursor</source>
        <translation>Cursor ausprobieren</translation>
    </message>
    <message>
        <source>Image to try</source>
        <translation>Auszuprobierendes Bild</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>As this desktop draws it</source>
        <translation>So zeichnet dieser Desktop ihn</translation>
    </message>
    <message>
        <source>As Windows draws it</source>
        <translation>So zeichnet Windows ihn</translation>
    </message>
    <message>
        <source>The real pointer. X cannot invert the screen, so an inverting pixel is black here, outlined in white where it meets transparent pixels.</source>
        <translation>Der echte Mauszeiger. X kann den Bildschirm nicht invertieren, daher ist ein invertierendes Pixel hier schwarz, weiß umrandet, wo es an transparente Pixel stößt.</translation>
    </message>
    <message>
        <source>The pointer is hidden and the cursor drawn on what lies beneath as Windows draws it: white, black, transparent, and inverting the screen.</source>
        <translation>Der Mauszeiger ist verborgen, und der Cursor wird auf das Darunterliegende gezeichnet, wie Windows ihn zeichnet: weiß, schwarz, transparent und den Bildschirm invertierend.</translation>
    </message>
    <message>
        <source>Click to leave a mark where the hot spot lands. Escape closes.</source>
        <translation>Ein Klick hinterlässt eine Markierung, wo der Hotspot trifft. Escape schließt.</translation>
    </message>
    <message>
        <source>%1: %2, an icon, which has no hot spot: tried at its middle, %3, %4</source>
        <translation>%1: %2, ein Symbol, das keinen Hotspot hat: ausprobiert in seiner Mitte, %3, %4</translation>
    </message>
    <message>
        <source>%1: %2, its hot spot %3, %4 outside it: tried at %5, %6</source>
        <translation>%1: %2, sein Hotspot %3, %4 liegt außerhalb: ausprobiert bei %5, %6</translation>
    </message>
    <message>
        <source>%1: %2, hot spot %3, %4</source>
        <translation>%1: %2, Hotspot %3, %4</translation>
    </message>
</context>
<context>
    <name>pixelwick::TrySurface</name>
    <message>
        <source>The quick brown fox jumps over the lazy dog.</source>
        <translation>Zwölf Boxkämpfer jagen Viktor quer über den großen Sylter Deich.</translation>
    </message>
</context>
</TS>
