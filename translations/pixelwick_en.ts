<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the background colour &quot;%1&quot; is neither #RRGGBB nor a colour name such as white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the invert colour &quot;%1&quot; is neither #RRGGBB nor a colour name such as white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the background colour &quot;%1&quot; is transparent; give an opaque colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the invert colour &quot;%1&quot; is transparent; give an opaque colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output file name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>--output names one cursor file, but %n pictures were given</source>
        <translation>
            <numerusform>--output names one cursor file, but %n picture was given</numerusform>
            <numerusform>--output names one cursor file, but %n pictures were given</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the cursor could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: writing to standard output failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes a 32 x 32 monochrome cursor of each picture&apos;s top-left corner and writes it beside the
picture (arrow.png gives arrow.cur), as Pixelwick&apos;s Make CUR does. Pixels of the background
colour become transparent, of the invert colour screen-inverting; other colours become white
or black by brightness. White and black pixels stay, except that a white key colour makes
them invert and a black one transparent. Exit code 0: all converted, 1: some failed,
2: bad options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot spot column from the left, 0 to 31 (default %1). A fraction is rounded, a half to the even number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot spot row from the top, 0 to 31 (default %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour that becomes transparent, #RRGGBB or a name (default %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour that inverts the screen, #RRGGBB or a name (default %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the cursor of the one picture to FILE instead; &quot;-&quot; writes it to standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures to convert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PICTURE...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for the options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no picture given</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>No error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File access error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device or file error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No picture has been chosen yet. Load a picture first, then make the cursor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names no picture file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cursor %1 would replace the picture itself, so nothing was written. Give the cursor another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cursor %1 was already made from the picture %2 in this run, so it was not replaced. Give one of the pictures another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hot spot x field is empty. Type a whole number such as 15.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hot spot y field is empty. Type a whole number such as 15.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hot spot x value %1 is not a number. Type a whole number such as 15.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hot spot y value %1 is not a number. Type a whole number such as 15.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hot spot x value %1 is out of range. It must lie between -32768 and 32767.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hot spot y value %1 is out of range. It must lie between -32768 and 32767.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the cursor file %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the cursor file %1 failed: %2. No cursor was written, and any older file of that name is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link to %1, which does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a block device, which is never written to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a pipe that no program is reading from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program reading from it takes no more data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it took no data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk took no more</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture %1 is incomplete: the file ends before the picture does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture %1 is damaged or cannot be read (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture %1 is too large to load (%2 × %3 pixels).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its header claims %1 × %2 pixels, more than a file of %3 bytes can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a picture in any format this program can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No picture file was named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an ordinary file, so it cannot be a picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture %1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture %1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unknown block in the GIF data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a JPEG segment of impossible length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an icon file shorter than its own header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an icon element that does not fit its file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Pixelwick needs a display to open its window, and none was found (DISPLAY is not set).
Start it from a desktop session, or use pixelwick-convert to make cursors without a window.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pixelwick::FrmConverter</name>
    <message>
        <source>Load BMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make CUR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>background:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invert:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Spot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot spot x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot spot y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something went wrong; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load the picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
