<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the background colour &quot;%1&quot; is neither #RRGGBB nor a colour name such as white</source>
        <translation>the background colour &quot;%1&quot; is neither #RRGGBB nor a colour name such as white</translation>
    </message>
    <message>
        <source>the invert colour &quot;%1&quot; is neither #RRGGBB nor a colour name such as white</source>
        <translation>the invert colour &quot;%1&quot; is neither #RRGGBB nor a colour name such as white</translation>
    </message>
    <message>
        <source>the background colour &quot;%1&quot; is transparent; give an opaque colour</source>
        <translation>the background colour &quot;%1&quot; is transparent; give an opaque colour</translation>
    </message>
    <message>
        <source>the invert colour &quot;%1&quot; is transparent; give an opaque colour</source>
        <translation>the invert colour &quot;%1&quot; is transparent; give an opaque colour</translation>
    </message>
    <message>
        <source>the output file name is empty</source>
        <translation>the output file name is empty</translation>
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
        <translation>%1: the cursor could not be encoded</translation>
    </message>
    <message>
        <source>%1: writing to standard output failed: %2</source>
        <translation>%1: writing to standard output failed: %2</translation>
    </message>
    <message>
        <source>Makes a 32 x 32 monochrome cursor of each picture&apos;s top-left corner and writes it beside the
picture (arrow.png gives arrow.cur), as Pixelwick&apos;s Make CUR does. Pixels of the background
colour become transparent, of the invert colour screen-inverting; other colours become white
or black by brightness. White and black pixels stay, except that a white key colour makes
them invert and a black one transparent. Exit code 0: all converted, 1: some failed,
2: bad options.</source>
        <translation>Makes a 32 x 32 monochrome cursor of each picture&apos;s top-left corner and writes it beside the
picture (arrow.png gives arrow.cur), as Pixelwick&apos;s Make CUR does. Pixels of the background
colour become transparent, of the invert colour screen-inverting; other colours become white
or black by brightness. White and black pixels stay, except that a white key colour makes
them invert and a black one transparent. Exit code 0: all converted, 1: some failed,
2: bad options.</translation>
    </message>
    <message>
        <source>Hot spot column from the left, 0 to 31 (default %1). A fraction is rounded, a half to the even number.</source>
        <translation>Hot spot column from the left, 0 to 31 (default %1). A fraction is rounded, a half to the even number.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>Hot spot row from the top, 0 to 31 (default %1).</source>
        <translation>Hot spot row from the top, 0 to 31 (default %1).</translation>
    </message>
    <message>
        <source>Colour that becomes transparent, #RRGGBB or a name (default %1).</source>
        <translation>Colour that becomes transparent, #RRGGBB or a name (default %1).</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>COLOUR</translation>
    </message>
    <message>
        <source>Colour that inverts the screen, #RRGGBB or a name (default %1).</source>
        <translation>Colour that inverts the screen, #RRGGBB or a name (default %1).</translation>
    </message>
    <message>
        <source>Write the cursor of the one picture to FILE instead; &quot;-&quot; writes it to standard output.</source>
        <translation>Write the cursor of the one picture to FILE instead; &quot;-&quot; writes it to standard output.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>PICTURE</translation>
    </message>
    <message>
        <source>PICTURE...</source>
        <translation>PICTURE...</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for the options.</source>
        <translation>Run &quot;%1 --help&quot; for the options.</translation>
    </message>
    <message>
        <source>no picture given</source>
        <translation>no picture given</translation>
    </message>
    <message>
        <source>the preview file name is empty</source>
        <translation>the preview file name is empty</translation>
    </message>
    <message numerus="yes">
        <source>--preview shows one cursor, but %n pictures were given</source>
        <translation>
            <numerusform>--preview shows one cursor, but %n picture was given</numerusform>
            <numerusform>--preview shows one cursor, but %n pictures were given</numerusform>
        </translation>
    </message>
    <message>
        <source>--show writes no cursor, so --output has nothing to do</source>
        <translation>--show writes no cursor, so --output has nothing to do</translation>
    </message>
    <message>
        <source>cannot write the preview %1: %2</source>
        <translation>cannot write the preview %1: %2</translation>
    </message>
    <message>
        <source>the cursor could not be encoded</source>
        <translation>the cursor could not be encoded</translation>
    </message>
    <message>
        <source>the name is not valid text in this system&apos;s encoding (UTF-8), so Pixelwick cannot open the file by it; rename the file</source>
        <translation>the name is not valid text in this system&apos;s encoding (UTF-8), so Pixelwick cannot open the file by it; rename the file</translation>
    </message>
    <message>
        <source>the file name %1 is not valid text in this system&apos;s encoding (UTF-8), so Pixelwick cannot write to it</source>
        <translation>the file name %1 is not valid text in this system&apos;s encoding (UTF-8), so Pixelwick cannot write to it</translation>
    </message>
    <message>
        <source>%1 is standard input or an open file&apos;s name, which has no folder for the cursor to go beside it; name the cursor with -o FILE</source>
        <translation>%1 is standard input or an open file&apos;s name, which has no folder for the cursor to go beside it; name the cursor with -o FILE</translation>
    </message>
    <message>
        <source>standard input holds more than %1 MB, more than any picture needs</source>
        <translation>standard input holds more than %1 MB, more than any picture needs</translation>
    </message>
    <message>
        <source>reading standard input failed: %1</source>
        <translation>reading standard input failed: %1</translation>
    </message>
    <message>
        <source>Pictures to convert; &quot;-&quot; reads one from standard input.</source>
        <translation>Pictures to convert; &quot;-&quot; reads one from standard input.</translation>
    </message>
    <message>
        <source>the background colour %1 matches no pixel of the picture</source>
        <translation>the background colour %1 matches no pixel of the picture</translation>
    </message>
    <message>
        <source>the invert colour %1 matches no pixel of the picture</source>
        <translation>the invert colour %1 matches no pixel of the picture</translation>
    </message>
    <message>
        <source>the hot spot %1, %2 lies outside the %3 x %3 cursor</source>
        <translation>the hot spot %1, %2 lies outside the %3 x %3 cursor</translation>
    </message>
    <message>
        <source>Also write how the cursor of the one PICTURE looks, as Windows and as browsers and Linux draw it, as a picture in the format FILE&apos;s suffix names (PNG for any other).</source>
        <translation>Also write how the cursor of the one PICTURE looks, as Windows and as browsers and Linux draw it, as a picture in the format FILE&apos;s suffix names (PNG for any other).</translation>
    </message>
    <message>
        <source>-o - writes the cursor&apos;s bytes to standard output, which is a terminal; redirect standard output to a file or a pipe</source>
        <translation>-o - writes the cursor&apos;s bytes to standard output, which is a terminal; redirect standard output to a file or a pipe</translation>
    </message>
    <message>
        <source>the output %1 is a terminal, which cannot show the cursor&apos;s bytes; name a file or a pipe</source>
        <translation>the output %1 is a terminal, which cannot show the cursor&apos;s bytes; name a file or a pipe</translation>
    </message>
    <message>
        <source>the preview %1 is a terminal, which cannot show a picture&apos;s bytes; name a file</source>
        <translation>the preview %1 is a terminal, which cannot show a picture&apos;s bytes; name a file</translation>
    </message>
    <message>
        <source>the preview %1 names the picture format %2, which cannot be written here; give it a suffix such as .png</source>
        <translation>the preview %1 names the picture format %2, which cannot be written here; give it a suffix such as .png</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: warning: %2</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>warning: %1</translation>
    </message>
    <message>
        <source>the picture is %1 x %2 pixels; to be combined it must be square, from 16 to 256 pixels and a multiple of 8</source>
        <translation>the picture is %1 x %2 pixels; to be combined it must be square, from 16 to 256 pixels and a multiple of 8</translation>
    </message>
    <message>
        <source>it is %1 x %1 pixels, as %2 is; a cursor holds one image of each size</source>
        <translation>it is %1 x %1 pixels, as %2 is; a cursor holds one image of each size</translation>
    </message>
    <message>
        <source>--hotspot-for %1 names a size that no picture has</source>
        <translation>--hotspot-for %1 names a size that no picture has</translation>
    </message>
    <message>
        <source>the size &quot;%1&quot; is not one a cursor can have: from 16 to 256, a multiple of 8</source>
        <translation>the size &quot;%1&quot; is not one a cursor can have: from 16 to 256, a multiple of 8</translation>
    </message>
    <message>
        <source>--hotspot-for &quot;%1&quot; is not SIZE:X,Y, such as 48:23,21</source>
        <translation>--hotspot-for &quot;%1&quot; is not SIZE:X,Y, such as 48:23,21</translation>
    </message>
    <message>
        <source>Print the looks of each PICTURE as text instead of writing a cursor: a first line &quot;NAME: W x H cursor, hot spot X, Y&quot;, then one line a row, top first, one character a pixel: # black, O white, . transparent, ~ inverted. A cursor, icon or animated cursor file is read as what it is: every image of it, each marked &quot;, image I of N&quot;, &quot;, D-bit colour&quot; or &quot;, frame F of M&quot; where that applies.</source>
        <translation>Print the looks of each PICTURE as text instead of writing a cursor: a first line &quot;NAME: W x H cursor, hot spot X, Y&quot;, then one line a row, top first, one character a pixel: # black, O white, . transparent, ~ inverted. A cursor, icon or animated cursor file is read as what it is: every image of it, each marked &quot;, image I of N&quot;, &quot;, D-bit colour&quot; or &quot;, frame F of M&quot; where that applies.</translation>
    </message>
    <message>
        <source>Make the cursor of the top-left N x N pixels instead, N from 16 to 256 and a multiple of 8 (default 32); its default hot spot is N / 2 - 1.</source>
        <translation>Make the cursor of the top-left N x N pixels instead, N from 16 to 256 and a multiple of 8 (default 32); its default hot spot is N / 2 - 1.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Make one cursor file, named with -o, of all the PICTUREs, one image each at its picture&apos;s own size (square, 16 to 256, a multiple of 8), as Windows picks by pointer size and screen scale. -x and -y give the 32 x 32 image&apos;s hot spot; the other sizes get the same spot of the picture.</source>
        <translation>Make one cursor file, named with -o, of all the PICTUREs, one image each at its picture&apos;s own size (square, 16 to 256, a multiple of 8), as Windows picks by pointer size and screen scale. -x and -y give the 32 x 32 image&apos;s hot spot; the other sizes get the same spot of the picture.</translation>
    </message>
    <message>
        <source>The hot spot of the image of size N, by hand; may be given for each size.</source>
        <translation>The hot spot of the image of size N, by hand; may be given for each size.</translation>
    </message>
    <message>
        <source>N:X,Y</source>
        <translation>N:X,Y</translation>
    </message>
    <message>
        <source>--hotspot-for gives the size %1 twice</source>
        <translation>--hotspot-for gives the size %1 twice</translation>
    </message>
    <message>
        <source>--combine takes each image&apos;s size from its picture, so --size has nothing to do</source>
        <translation>--combine takes each image&apos;s size from its picture, so --size has nothing to do</translation>
    </message>
    <message>
        <source>--show reads each file as it is, so --combine has nothing to do</source>
        <translation>--show reads each file as it is, so --combine has nothing to do</translation>
    </message>
    <message>
        <source>--combine makes one cursor of all the pictures: name it with -o</source>
        <translation>--combine makes one cursor of all the pictures: name it with -o</translation>
    </message>
    <message>
        <source>--hotspot-for %1 names a size that is not made: the cursor is %2 x %2</source>
        <translation>--hotspot-for %1 names a size that is not made: the cursor is %2 x %2</translation>
    </message>
    <message numerus="yes">
        <source>the cursor file is larger than %n MB</source>
        <translation>
            <numerusform>the cursor file is larger than %n MB</numerusform>
            <numerusform>the cursor file is larger than %n MB</numerusform>
        </translation>
    </message>
    <message>
        <source>an icon has no hot spot</source>
        <translation>an icon has no hot spot</translation>
    </message>
    <message>
        <source>the preview draws at most %1 images, but the file holds %2</source>
        <translation>the preview draws at most %1 images, but the file holds %2</translation>
    </message>
    <message>
        <source>the hot spot %1, %2 lies outside the %3 x %3 image of the cursor</source>
        <translation>the hot spot %1, %2 lies outside the %3 x %3 image of the cursor</translation>
    </message>
    <message>
        <source>the preview is %1 x %2 pixels, but the picture format %3 holds only squares; give it a suffix such as .png</source>
        <translation>the preview is %1 x %2 pixels, but the picture format %3 holds only squares; give it a suffix such as .png</translation>
    </message>
    <message>
        <source>the preview is %1 x %2 pixels, but the picture format %3 holds at most %4 x %4; give it a suffix such as .png</source>
        <translation>the preview is %1 x %2 pixels, but the picture format %3 holds at most %4 x %4; give it a suffix such as .png</translation>
    </message>
    <message>
        <source>the %1 writer could not write a picture of %2 x %3 pixels</source>
        <translation>the %1 writer could not write a picture of %2 x %3 pixels</translation>
    </message>
    <message>
        <source>the part from %1, %2 lies outside the %3 x %4 picture</source>
        <translation>the part from %1, %2 lies outside the %3 x %4 picture</translation>
    </message>
    <message>
        <source>only the %1 from %2, %3 of the %4 picture was used: --fit uses all of it</source>
        <translation>only the %1 from %2, %3 of the %4 picture was used: --fit uses all of it</translation>
    </message>
    <message>
        <source>only the top-left %1 of the %2 picture was used: --fit uses all of it</source>
        <translation>only the top-left %1 of the %2 picture was used: --fit uses all of it</translation>
    </message>
    <message>
        <source>the %1 x %1 part from %2, %3 reaches past the %4 picture, so white fills the rest of the cursor</source>
        <translation>the %1 x %1 part from %2, %3 reaches past the %4 picture, so white fills the rest of the cursor</translation>
    </message>
    <message>
        <source>every pixel of the cursor is transparent, so it would be invisible</source>
        <translation>every pixel of the cursor is transparent, so it would be invisible</translation>
    </message>
    <message>
        <source>every pixel of the %1 x %1 image of the cursor is transparent, so it would be invisible at that size</source>
        <translation>every pixel of the %1 x %1 image of the cursor is transparent, so it would be invisible at that size</translation>
    </message>
    <message>
        <source>--sizes gives the size %1 twice</source>
        <translation>--sizes gives the size %1 twice</translation>
    </message>
    <message>
        <source>--from &quot;%1&quot; is not X,Y, the top-left pixel of the part, such as 32,0</source>
        <translation>--from &quot;%1&quot; is not X,Y, the top-left pixel of the part, such as 32,0</translation>
    </message>
    <message>
        <source>the tolerance &quot;%1&quot; is not a whole number from 0 to 255</source>
        <translation>the tolerance &quot;%1&quot; is not a whole number from 0 to 255</translation>
    </message>
    <message>
        <source>--sizes names every size made, so --size has nothing to do</source>
        <translation>--sizes names every size made, so --size has nothing to do</translation>
    </message>
    <message>
        <source>--combine takes each image&apos;s size from its picture, so --sizes has nothing to do</source>
        <translation>--combine takes each image&apos;s size from its picture, so --sizes has nothing to do</translation>
    </message>
    <message>
        <source>--combine takes each picture whole at its own size, so --fit has nothing to do</source>
        <translation>--combine takes each picture whole at its own size, so --fit has nothing to do</translation>
    </message>
    <message>
        <source>--combine takes each picture whole at its own size, so --from has nothing to do</source>
        <translation>--combine takes each picture whole at its own size, so --from has nothing to do</translation>
    </message>
    <message>
        <source>--fit scales the whole picture into the cursor, so --from has nothing to do</source>
        <translation>--fit scales the whole picture into the cursor, so --from has nothing to do</translation>
    </message>
    <message>
        <source>--sizes scales the whole picture into each image, so --from has nothing to do</source>
        <translation>--sizes scales the whole picture into each image, so --from has nothing to do</translation>
    </message>
    <message>
        <source>Scale the whole picture into the cursor instead: its longer side becomes the cursor&apos;s, centred, and each cursor pixel takes the look that most of its area has. A drawing (SVG) is drawn 8 times the cursor&apos;s side first.</source>
        <translation>Scale the whole picture into the cursor instead: its longer side becomes the cursor&apos;s, centred, and each cursor pixel takes the look that most of its area has. A drawing (SVG) is drawn 8 times the cursor&apos;s side first.</translation>
    </message>
    <message>
        <source>Make the cursor of the part whose top-left pixel is X,Y instead of the top-left corner.</source>
        <translation>Make the cursor of the part whose top-left pixel is X,Y instead of the top-left corner.</translation>
    </message>
    <message>
        <source>X,Y</source>
        <translation>X,Y</translation>
    </message>
    <message>
        <source>Make one cursor file with an image of each size, such as 24,32,48,64, smallest first, each of the whole picture fitted as with --fit. -x and -y give the 32 x 32 image&apos;s hot spot; the other sizes get the same spot of the picture.</source>
        <translation>Make one cursor file with an image of each size, such as 24,32,48,64, smallest first, each of the whole picture fitted as with --fit. -x and -y give the 32 x 32 image&apos;s hot spot; the other sizes get the same spot of the picture.</translation>
    </message>
    <message>
        <source>N,N,...</source>
        <translation>N,N,...</translation>
    </message>
    <message>
        <source>Count a colour as a key colour when each of its channels lies within T of the key&apos;s, 0 to 255 (default 0: exactly), for pictures saved with loss, such as JPEG.</source>
        <translation>Count a colour as a key colour when each of its channels lies within T of the key&apos;s, 0 to 255 (default 0: exactly), for pictures saved with loss, such as JPEG.</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>--hotspot-for %1 names a size that --sizes does not make</source>
        <translation>--hotspot-for %1 names a size that --sizes does not make</translation>
    </message>
    <message>
        <source>Write an Xcursor file, as X11 and Wayland desktops load pointers, named with -o, instead of a .cur: one image of each size made, its colours premultiplied ARGB.</source>
        <translation>Write an Xcursor file, as X11 and Wayland desktops load pointers, named with -o, instead of a .cur: one image of each size made, its colours premultiplied ARGB.</translation>
    </message>
    <message>
        <source>Write a pointer theme NAME for X11 and Wayland desktops: NAME/index.theme and an Xcursor file of each picture in NAME/cursors, named after it, in the folder -o names (default $XDG_DATA_HOME/icons, else ~/.local/share/icons). A picture named after a pointer role (arrow, ibeam, hand, left_ptr, pointer...) is that role&apos;s file, every other name of the role linked to it.</source>
        <translation>Write a pointer theme NAME for X11 and Wayland desktops: NAME/index.theme and an Xcursor file of each picture in NAME/cursors, named after it, in the folder -o names (default $XDG_DATA_HOME/icons, else ~/.local/share/icons). A picture named after a pointer role (arrow, ibeam, hand, left_ptr, pointer...) is that role&apos;s file, every other name of the role linked to it.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>ROLE</source>
        <translation>ROLE</translation>
    </message>
    <message>
        <source>How an Xcursor file shows inverted pixels, which X11 and Wayland cannot draw: outline (black, with white on the transparent pixels touching them; the default), black or white.</source>
        <translation>How an Xcursor file shows inverted pixels, which X11 and Wayland cannot draw: outline (black, with white on the transparent pixels touching them; the default), black or white.</translation>
    </message>
    <message>
        <source>LOOK</source>
        <translation>LOOK</translation>
    </message>
    <message>
        <source>--theme %1: %2</source>
        <translation>--theme %1: %2</translation>
    </message>
    <message>
        <source>--role %1 names no pointer role; the roles are %2</source>
        <translation>--role %1 names no pointer role; the roles are %2</translation>
    </message>
    <message>
        <source>--inverted-as takes outline, black or white, not %1</source>
        <translation>--inverted-as takes outline, black or white, not %1</translation>
    </message>
    <message>
        <source>--theme writes Xcursor files, so --xcursor has nothing to do</source>
        <translation>--theme writes Xcursor files, so --xcursor has nothing to do</translation>
    </message>
    <message>
        <source>--show writes nothing, so %1 has nothing to do</source>
        <translation>--show writes nothing, so %1 has nothing to do</translation>
    </message>
    <message>
        <source>--theme makes a pointer of each picture, so --combine has nothing to do</source>
        <translation>--theme makes a pointer of each picture, so --combine has nothing to do</translation>
    </message>
    <message>
        <source>--xcursor writes one Xcursor file: name it with -o</source>
        <translation>--xcursor writes one Xcursor file: name it with -o</translation>
    </message>
    <message>
        <source>--theme writes a folder: -o names the folder it goes in, not standard output</source>
        <translation>--theme writes a folder: -o names the folder it goes in, not standard output</translation>
    </message>
    <message>
        <source>--inverted-as says how an Xcursor file shows inverted pixels: use it with --xcursor or --theme</source>
        <translation>--inverted-as says how an Xcursor file shows inverted pixels: use it with --xcursor or --theme</translation>
    </message>
    <message>
        <source>the hot spot %1, %2 lies outside the %3 x %3 image, and an Xcursor file holds only hot spots within its images</source>
        <translation>the hot spot %1, %2 lies outside the %3 x %3 image, and an Xcursor file holds only hot spots within its images</translation>
    </message>
    <message>
        <source>its name cannot name a pointer in a theme; give it a role with --role</source>
        <translation>its name cannot name a pointer in a theme; give it a role with --role</translation>
    </message>
    <message>
        <source>it gives the pointer %1, as %2 does; a theme holds one pointer of each name</source>
        <translation>it gives the pointer %1, as %2 does; a theme holds one pointer of each name</translation>
    </message>
    <message>
        <source>the theme %1 was not written, as not every picture gave its pointer</source>
        <translation>the theme %1 was not written, as not every picture gave its pointer</translation>
    </message>
    <message>
        <source>cannot write the theme %1: %2</source>
        <translation>cannot write the theme %1: %2</translation>
    </message>
    <message>
        <source>The pointer theme is in %1. %2</source>
        <translation>The pointer theme is in %1. %2</translation>
    </message>
    <message>
        <source>The pointer role of the pictures, whatever their names: %1, or any X name of one. Several pictures are that pointer&apos;s frames, in the order given.</source>
        <translation>The pointer role of the pictures, whatever their names: %1, or any X name of one. Several pictures are that pointer&apos;s frames, in the order given.</translation>
    </message>
    <message>
        <source>--role gives the pictures&apos; pointer its role in a theme, a scheme or an animated cursor: use it with --theme, --scheme or -o FILE.ani</source>
        <translation>--role gives the pictures&apos; pointer its role in a theme, a scheme or an animated cursor: use it with --theme, --scheme or -o FILE.ani</translation>
    </message>
    <message>
        <source>the rate &quot;%1&quot; is not a frame&apos;s time in 1/60 s: a whole number from 1 to %2</source>
        <translation>the rate &quot;%1&quot; is not a frame&apos;s time in 1/60 s: a whole number from 1 to %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no pointer role; the roles are %2, or any of their X names</source>
        <translation>&quot;%1&quot; names no pointer role; the roles are %2, or any of their X names</translation>
    </message>
    <message>
        <source>--role-hotspot &quot;%1&quot; is not ROLE:X,Y, such as ibeam:15,15</source>
        <translation>--role-hotspot &quot;%1&quot; is not ROLE:X,Y, such as ibeam:15,15</translation>
    </message>
    <message numerus="yes">
        <source>%1 is one animated cursor, but the pictures make %n pointers (%2): number the frames of one (wait-1.png, wait-2.png...) or give --role</source>
        <translation>
            <numerusform>%1 is one animated cursor, but the pictures make %n pointer (%2): number the frames of one (wait-1.png, wait-2.png...) or give --role</numerusform>
            <numerusform>%1 is one animated cursor, but the pictures make %n pointers (%2): number the frames of one (wait-1.png, wait-2.png...) or give --role</numerusform>
        </translation>
    </message>
    <message>
        <source>--show reads each file as it is, so --scheme has nothing to do</source>
        <translation>--show reads each file as it is, so --scheme has nothing to do</translation>
    </message>
    <message>
        <source>--scheme makes a cursor of each role, so --combine has nothing to do</source>
        <translation>--scheme makes a cursor of each role, so --combine has nothing to do</translation>
    </message>
    <message>
        <source>--preview shows one cursor; show each of the scheme&apos;s with --show --preview</source>
        <translation>--preview shows one cursor; show each of the scheme&apos;s with --show --preview</translation>
    </message>
    <message>
        <source>--scheme writes a folder, which cannot go to standard output</source>
        <translation>--scheme writes a folder, which cannot go to standard output</translation>
    </message>
    <message>
        <source>--combine makes one cursor of pictures of each size, so it makes no animation</source>
        <translation>--combine makes one cursor of pictures of each size, so it makes no animation</translation>
    </message>
    <message>
        <source>Make the Windows pointer scheme NAME: the folder NAME in the folder -o names (default: the current one), with a cursor for each role the pictures are named after (arrow.png, wait-1.png, wait-2.png...), an animated one where a role has frames, and an install.inf that installs it.</source>
        <translation>Make the Windows pointer scheme NAME: the folder NAME in the folder -o names (default: the current one), with a cursor for each role the pictures are named after (arrow.png, wait-1.png, wait-2.png...), an animated one where a role has frames, and an install.inf that installs it.</translation>
    </message>
    <message>
        <source>Each frame&apos;s time in an animated cursor, in 1/60 s, from 1 to %1 (default %2), where the picture does not give its own.</source>
        <translation>Each frame&apos;s time in an animated cursor, in 1/60 s, from 1 to %1 (default %2), where the picture does not give its own.</translation>
    </message>
    <message>
        <source>J</source>
        <translation>J</translation>
    </message>
    <message>
        <source>In a scheme, the hot spot of one role, as -x and -y give it for the others; may be given for each role.</source>
        <translation>In a scheme, the hot spot of one role, as -x and -y give it for the others; may be given for each role.</translation>
    </message>
    <message>
        <source>ROLE:X,Y</source>
        <translation>ROLE:X,Y</translation>
    </message>
    <message>
        <source>--role-hotspot gives the role %1 twice</source>
        <translation>--role-hotspot gives the role %1 twice</translation>
    </message>
    <message>
        <source>its name is no pointer role&apos;s, so it has no place in the scheme; name it after one (arrow, help, wait, ibeam, hand...) or give --role</source>
        <translation>its name is no pointer role&apos;s, so it has no place in the scheme; name it after one (arrow, help, wait, ibeam, hand...) or give --role</translation>
    </message>
    <message>
        <source>cannot write the scheme %1: %2</source>
        <translation>cannot write the scheme %1: %2</translation>
    </message>
    <message>
        <source>--scheme and --theme make one folder of both sets: give them one name</source>
        <translation>--scheme and --theme make one folder of both sets: give them one name</translation>
    </message>
    <message>
        <source>--role-hotspot gives a role of a scheme or theme its hot spot: make one with --scheme or --theme</source>
        <translation>--role-hotspot gives a role of a scheme or theme its hot spot: make one with --scheme or --theme</translation>
    </message>
    <message>
        <source>--rate is the time of an animated cursor&apos;s frames: name one with -o FILE.ani, or make a scheme or theme</source>
        <translation>--rate is the time of an animated cursor&apos;s frames: name one with -o FILE.ani, or make a scheme or theme</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>No error</source>
        <translation>No error</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Invalid argument</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type mismatch</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>File access error</translation>
    </message>
    <message>
        <source>Device or file error</source>
        <translation>Device or file error</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>No picture has been chosen yet. Load a picture first, then make the cursor.</source>
        <translation>No picture has been chosen yet. Load a picture first, then make the cursor.</translation>
    </message>
    <message>
        <source>%1 names no picture file.</source>
        <translation>%1 names no picture file.</translation>
    </message>
    <message>
        <source>The cursor %1 would replace the picture itself, so nothing was written. Give the cursor another name.</source>
        <translation>The cursor %1 would replace the picture itself, so nothing was written. Give the cursor another name.</translation>
    </message>
    <message>
        <source>The cursor %1 was already made from the picture %2 in this run, so it was not replaced. Give one of the pictures another name.</source>
        <translation>The cursor %1 was already made from the picture %2 in this run, so it was not replaced. Give one of the pictures another name.</translation>
    </message>
    <message>
        <source>The hot spot x field is empty. Type a whole number such as 15.</source>
        <translation>The hot spot x field is empty. Type a whole number such as 15.</translation>
    </message>
    <message>
        <source>The hot spot y field is empty. Type a whole number such as 15.</source>
        <translation>The hot spot y field is empty. Type a whole number such as 15.</translation>
    </message>
    <message>
        <source>The hot spot x value %1 is not a number. Type a whole number such as 15.</source>
        <translation>The hot spot x value %1 is not a number. Type a whole number such as 15.</translation>
    </message>
    <message>
        <source>The hot spot y value %1 is not a number. Type a whole number such as 15.</source>
        <translation>The hot spot y value %1 is not a number. Type a whole number such as 15.</translation>
    </message>
    <message>
        <source>The hot spot x value %1 is out of range. It must lie between -32768 and 32767.</source>
        <translation>The hot spot x value %1 is out of range. It must lie between -32768 and 32767.</translation>
    </message>
    <message>
        <source>The hot spot y value %1 is out of range. It must lie between -32768 and 32767.</source>
        <translation>The hot spot y value %1 is out of range. It must lie between -32768 and 32767.</translation>
    </message>
    <message>
        <source>Cannot write the cursor file %1: %2.</source>
        <translation>Cannot write the cursor file %1: %2.</translation>
    </message>
    <message>
        <source>Writing the cursor file %1 failed: %2. No cursor was written, and any older file of that name is unchanged.</source>
        <translation>Writing the cursor file %1 failed: %2. No cursor was written, and any older file of that name is unchanged.</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>a folder of that name is in the way</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>the folder %1 is read-only</translation>
    </message>
    <message>
        <source>it is a link to %1, which does not exist</source>
        <translation>it is a link to %1, which does not exist</translation>
    </message>
    <message>
        <source>it is a block device, which is never written to</source>
        <translation>it is a block device, which is never written to</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>it is a socket, not a file</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>it is not a file</translation>
    </message>
    <message>
        <source>it is a pipe that no program is reading from</source>
        <translation>it is a pipe that no program is reading from</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>it changed while it was being opened</translation>
    </message>
    <message>
        <source>the program reading from it takes no more data</source>
        <translation>the program reading from it takes no more data</translation>
    </message>
    <message>
        <source>it took no data</source>
        <translation>it took no data</translation>
    </message>
    <message>
        <source>the disk took no more</source>
        <translation>the disk took no more</translation>
    </message>
    <message>
        <source>The cursor %1 would replace the picture %2, which this run also reads, so nothing was written. Give the cursor another name.</source>
        <translation>The cursor %1 would replace the picture %2, which this run also reads, so nothing was written. Give the cursor another name.</translation>
    </message>
    <message>
        <source>descriptor %1 is not open</source>
        <translation>descriptor %1 is not open</translation>
    </message>
    <message>
        <source>descriptor %1 is open only for reading</source>
        <translation>descriptor %1 is open only for reading</translation>
    </message>
    <message>
        <source>it is the picture %1, which is never replaced</source>
        <translation>it is the picture %1, which is never replaced</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>it is not a folder</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>a file of that name is in the way</translation>
    </message>
    <message>
        <source>a folder of that name holds other things, and is never replaced by one of its own</source>
        <translation>a folder of that name holds other things, and is never replaced by one of its own</translation>
    </message>
    <message>
        <source>%1 is not a name that can be made in a folder</source>
        <translation>%1 is not a name that can be made in a folder</translation>
    </message>
</context>
<context>
    <name>CursorLooks</name>
    <message>
        <source>The file is empty.</source>
        <translation>The file is empty.</translation>
    </message>
    <message numerus="yes">
        <source>The file is only %n byte(s) long, too short for a cursor.</source>
        <translation>
            <numerusform>The file is only %n byte long, too short for a cursor.</numerusform>
            <numerusform>The file is only %n bytes long, too short for a cursor.</numerusform>
        </translation>
    </message>
    <message>
        <source>This is not a cursor file.</source>
        <translation>This is not a cursor file.</translation>
    </message>
    <message>
        <source>This is an icon, not a cursor: an icon has no hot spot.</source>
        <translation>This is an icon, not a cursor: an icon has no hot spot.</translation>
    </message>
    <message>
        <source>The cursor file holds no image.</source>
        <translation>The cursor file holds no image.</translation>
    </message>
    <message numerus="yes">
        <source>The cursor file holds %n images; only a cursor with exactly one image can be read.</source>
        <translation>
            <numerusform>The cursor file holds %n image; only a cursor with exactly one image can be read.</numerusform>
            <numerusform>The cursor file holds %n images; only a cursor with exactly one image can be read.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is cut short: it ends after %n byte(s), inside its directory entry.</source>
        <translation>
            <numerusform>The file is cut short: it ends after %n byte, inside its directory entry.</numerusform>
            <numerusform>The file is cut short: it ends after %n bytes, inside its directory entry.</numerusform>
        </translation>
    </message>
    <message>
        <source>The image is said to start at byte %1, inside the file&apos;s own header.</source>
        <translation>The image is said to start at byte %1, inside the file&apos;s own header.</translation>
    </message>
    <message numerus="yes">
        <source>The image is said to start at byte %1, past the end of the file (%n byte(s)).</source>
        <translation>
            <numerusform>The image is said to start at byte %1, past the end of the file (%n byte).</numerusform>
            <numerusform>The image is said to start at byte %1, past the end of the file (%n bytes).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is cut short: its image should be %1 bytes from byte %2, but the file has only %n byte(s).</source>
        <translation>
            <numerusform>The file is cut short: its image should be %1 bytes from byte %2, but the file has only %n byte.</numerusform>
            <numerusform>The file is cut short: its image should be %1 bytes from byte %2, but the file has only %n bytes.</numerusform>
        </translation>
    </message>
    <message>
        <source>The image is stored as PNG; only cursors stored as 1-bit bitmaps can be read.</source>
        <translation>The image is stored as PNG; only cursors stored as 1-bit bitmaps can be read.</translation>
    </message>
    <message numerus="yes">
        <source>The image is only %n byte(s) long, too short for its bitmap header.</source>
        <translation>
            <numerusform>The image is only %n byte long, too short for its bitmap header.</numerusform>
            <numerusform>The image is only %n bytes long, too short for its bitmap header.</numerusform>
        </translation>
    </message>
    <message>
        <source>The bitmap header is %1 bytes long; only the usual 40-byte header can be read.</source>
        <translation>The bitmap header is %1 bytes long; only the usual 40-byte header can be read.</translation>
    </message>
    <message numerus="yes">
        <source>The image has %n bit(s) per pixel; only black and white cursors, 1 bit per pixel, can be read.</source>
        <translation>
            <numerusform>The image has %n bit per pixel; only black and white cursors, 1 bit per pixel, can be read.</numerusform>
            <numerusform>The image has %n bits per pixel; only black and white cursors, 1 bit per pixel, can be read.</numerusform>
        </translation>
    </message>
    <message>
        <source>The image is compressed (method %1); only uncompressed cursors can be read.</source>
        <translation>The image is compressed (method %1); only uncompressed cursors can be read.</translation>
    </message>
    <message numerus="yes">
        <source>The bitmap has %n colour plane(s) where a cursor has 1.</source>
        <translation>
            <numerusform>The bitmap has %n colour plane where a cursor has 1.</numerusform>
            <numerusform>The bitmap has %n colour planes where a cursor has 1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The bitmap is %1 pixels wide, but the directory entry says %2.</source>
        <translation>The bitmap is %1 pixels wide, but the directory entry says %2.</translation>
    </message>
    <message>
        <source>The bitmap is %1 pixels high; a cursor %2 pixels high needs %3, twice its height, for its two planes.</source>
        <translation>The bitmap is %1 pixels high; a cursor %2 pixels high needs %3, twice its height, for its two planes.</translation>
    </message>
    <message>
        <source>The directory entry gives %1 colours where a black and white cursor has 2.</source>
        <translation>The directory entry gives %1 colours where a black and white cursor has 2.</translation>
    </message>
    <message>
        <source>The colour table has %1 entries where a black and white cursor has 2.</source>
        <translation>The colour table has %1 entries where a black and white cursor has 2.</translation>
    </message>
    <message>
        <source>The image needs %1 bytes for its header, colours and two planes, but has only %2.</source>
        <translation>The image needs %1 bytes for its header, colours and two planes, but has only %2.</translation>
    </message>
    <message>
        <source>The cursor&apos;s two colours are not black and white.</source>
        <translation>The cursor&apos;s two colours are not black and white.</translation>
    </message>
    <message>
        <source>As Windows draws it</source>
        <translation>As Windows draws it</translation>
    </message>
    <message>
        <source>As browsers and Linux draw it</source>
        <translation>As browsers and Linux draw it</translation>
    </message>
    <message>
        <source>On white</source>
        <translation>On white</translation>
    </message>
    <message>
        <source>On black</source>
        <translation>On black</translation>
    </message>
    <message>
        <source>On mid-tone stripes</source>
        <translation>On mid-tone stripes</translation>
    </message>
    <message>
        <source>%1 × %2 cursor; hot spot not marked: %3</source>
        <translation>%1 × %2 cursor; hot spot not marked: %3</translation>
    </message>
    <message>
        <source>%1 × %2 cursor, hot spot %3, %4, which lies outside the cursor and is not marked.</source>
        <translation>%1 × %2 cursor, hot spot %3, %4, which lies outside the cursor and is not marked.</translation>
    </message>
    <message>
        <source>%1 × %2 cursor, hot spot %3, %4.</source>
        <translation>%1 × %2 cursor, hot spot %3, %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n inverted pixel(s): they invert the screen only on Windows; browsers and Linux show them transparent.</source>
        <translation>
            <numerusform>%n inverted pixel: it inverts the screen only on Windows; browsers and Linux show it transparent.</numerusform>
            <numerusform>%n inverted pixels: they invert the screen only on Windows; browsers and Linux show them transparent.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the size sentence, then the inverted pixels&apos; sentence</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The animated cursor is cut short.</source>
        <translation>The animated cursor is cut short.</translation>
    </message>
    <message>
        <source>The animated cursor has no header of its animation.</source>
        <translation>The animated cursor has no header of its animation.</translation>
    </message>
    <message>
        <source>The animated cursor&apos;s frames are bare bitmaps, not cursors; they cannot be read.</source>
        <translation>The animated cursor&apos;s frames are bare bitmaps, not cursors; they cannot be read.</translation>
    </message>
    <message>
        <source>The animated cursor holds no frame.</source>
        <translation>The animated cursor holds no frame.</translation>
    </message>
    <message>
        <source>The animated cursor says it has %1 frames, but it holds %2.</source>
        <translation>The animated cursor says it has %1 frames, but it holds %2.</translation>
    </message>
    <message>
        <source>Step %1 of the animated cursor shows frame %2, which it does not hold.</source>
        <translation>Step %1 of the animated cursor shows frame %2, which it does not hold.</translation>
    </message>
    <message>
        <source>Frame %1 of %2: %3</source>
        <translation>Frame %1 of %2: %3</translation>
    </message>
    <message>
        <source>The file holds more images than can be shown.</source>
        <translation>The file holds more images than can be shown.</translation>
    </message>
    <message>
        <source>The image is stored as PNG, but its PNG header is missing.</source>
        <translation>The image is stored as PNG, but its PNG header is missing.</translation>
    </message>
    <message>
        <source>The image is %1 x %2 pixels; a cursor&apos;s image is at most 256 x 256.</source>
        <translation>The image is %1 x %2 pixels; a cursor&apos;s image is at most 256 x 256.</translation>
    </message>
    <message numerus="yes">
        <source>The image has %n bit(s) per pixel, which no cursor or icon has.</source>
        <translation>
            <numerusform>The image has %n bit per pixel, which no cursor or icon has.</numerusform>
            <numerusform>The image has %n bits per pixel, which no cursor or icon has.</numerusform>
        </translation>
    </message>
    <message>
        <source>The colour table has %1 entries where an image of %2 bits per pixel has at most %3.</source>
        <translation>The colour table has %1 entries where an image of %2 bits per pixel has at most %3.</translation>
    </message>
    <message>
        <source>Image %1 of %2: %3</source>
        <translation>Image %1 of %2: %3</translation>
    </message>
    <message>
        <source>The image&apos;s colours could not be read whole.</source>
        <translation>The image&apos;s colours could not be read whole.</translation>
    </message>
    <message>
        <source>The animated cursor holds more than %1 chunks beside its frames, far more than any animated cursor needs.</source>
        <translation>The animated cursor holds more than %1 chunks beside its frames, far more than any animated cursor needs.</translation>
    </message>
    <message>
        <source>The animated cursor holds more than %1 frames, more than can be shown.</source>
        <translation>The animated cursor holds more than %1 frames, more than can be shown.</translation>
    </message>
    <message>
        <source>The animated cursor holds more than %1 lists of chunks, far more than any animated cursor needs.</source>
        <translation>The animated cursor holds more than %1 lists of chunks, far more than any animated cursor needs.</translation>
    </message>
    <message>
        <source>The file&apos;s directory lists %1 images, more than the %2 that can be shown.</source>
        <translation>The file&apos;s directory lists %1 images, more than the %2 that can be shown.</translation>
    </message>
    <message numerus="yes">
        <source>The animated cursor&apos;s table of steps does not match its %1 step(s).</source>
        <translation>
            <numerusform>The animated cursor&apos;s table of steps does not match its %1 step.</numerusform>
            <numerusform>The animated cursor&apos;s table of steps does not match its %1 steps.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The Xcursor file is cut short: it ends after %n byte(s), inside what it says it holds.</source>
        <translation>
            <numerusform>The Xcursor file is cut short: it ends after %n byte(s), inside what it says it holds.</numerusform>
            <numerusform>The Xcursor file is cut short: it ends after %n byte(s), inside what it says it holds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file is only %n byte(s) long, too short for an Xcursor file.</source>
        <translation>
            <numerusform>The file is only %n byte(s) long, too short for an Xcursor file.</numerusform>
            <numerusform>The file is only %n byte(s) long, too short for an Xcursor file.</numerusform>
        </translation>
    </message>
    <message>
        <source>This is not an Xcursor file.</source>
        <translation>This is not an Xcursor file.</translation>
    </message>
    <message>
        <source>The Xcursor file&apos;s header says it is %1 bytes long, shorter than its own %2 bytes.</source>
        <translation>The Xcursor file&apos;s header says it is %1 bytes long, shorter than its own %2 bytes.</translation>
    </message>
    <message>
        <source>The Xcursor file holds no image.</source>
        <translation>The Xcursor file holds no image.</translation>
    </message>
    <message>
        <source>The Xcursor file lists %1 entries, more than the %2 that can be shown.</source>
        <translation>The Xcursor file lists %1 entries, more than the %2 that can be shown.</translation>
    </message>
    <message>
        <source>The Xcursor file holds more than %1 entries beside its images, far more than any pointer needs.</source>
        <translation>The Xcursor file holds more than %1 entries beside its images, far more than any pointer needs.</translation>
    </message>
    <message>
        <source>The Xcursor file holds more than %1 images, more than can be shown.</source>
        <translation>The Xcursor file holds more than %1 images, more than can be shown.</translation>
    </message>
    <message>
        <source>Image %1: its chunk is not the one its entry in the table of contents names.</source>
        <translation>Image %1: its chunk is not the one its entry in the table of contents names.</translation>
    </message>
    <message>
        <source>Image %1: its header is %2 bytes long where an Xcursor image&apos;s is %3.</source>
        <translation>Image %1: its header is %2 bytes long where an Xcursor image&apos;s is %3.</translation>
    </message>
    <message>
        <source>Image %1 is %2 x %3 pixels; a cursor&apos;s image is at most 256 x 256.</source>
        <translation>Image %1 is %2 x %3 pixels; a cursor&apos;s image is at most 256 x 256.</translation>
    </message>
    <message>
        <source>Image %1: its hot spot %2, %3 lies outside its %4 x %5 pixels.</source>
        <translation>Image %1: its hot spot %2, %3 lies outside its %4 x %5 pixels.</translation>
    </message>
    <message>
        <source>libXcursor could not read the Xcursor file.</source>
        <translation>libXcursor could not read the Xcursor file.</translation>
    </message>
    <message>
        <source>The cursor %1 cannot be read: %2</source>
        <translation>The cursor %1 cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>CursorsToTry</name>
    <message>
        <source>There is no file of that name.</source>
        <translation>There is no file of that name.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>This is not a file.</translation>
    </message>
    <message numerus="yes">
        <source>The file is larger than %n MB, too large for a cursor.</source>
        <translation>
            <numerusform>The file is larger than %n MB, too large for a cursor.</numerusform>
            <numerusform>The file is larger than %n MB, too large for a cursor.</numerusform>
        </translation>
    </message>
    <message>
        <source>This is not a cursor, an icon or an animated cursor.</source>
        <translation>This is not a cursor, an icon or an animated cursor.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture %1 is incomplete: the file ends before the picture does.</source>
        <translation>The picture %1 is incomplete: the file ends before the picture does.</translation>
    </message>
    <message>
        <source>The picture %1 is damaged or cannot be read (%2).</source>
        <translation>The picture %1 is damaged or cannot be read (%2).</translation>
    </message>
    <message>
        <source>The picture %1 is too large to load (%2 × %3 pixels).</source>
        <translation>The picture %1 is too large to load (%2 × %3 pixels).</translation>
    </message>
    <message>
        <source>its header claims %1 × %2 pixels, more than a file of %3 bytes can hold</source>
        <translation>its header claims %1 × %2 pixels, more than a file of %3 bytes can hold</translation>
    </message>
    <message>
        <source>%1 is not a picture in any format this program can read.</source>
        <translation>%1 is not a picture in any format this program can read.</translation>
    </message>
    <message>
        <source>No picture file was named.</source>
        <translation>No picture file was named.</translation>
    </message>
    <message>
        <source>The picture %1 does not exist.</source>
        <translation>The picture %1 does not exist.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a picture.</source>
        <translation>%1 is a folder, not a picture.</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file, so it cannot be a picture.</source>
        <translation>%1 is not an ordinary file, so it cannot be a picture.</translation>
    </message>
    <message>
        <source>The picture %1 is empty.</source>
        <translation>The picture %1 is empty.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be opened: %2.</source>
        <translation>The picture %1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: %2.</source>
        <translation>The picture %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>an unknown block in the GIF data</source>
        <translation>an unknown block in the GIF data</translation>
    </message>
    <message>
        <source>a JPEG segment of impossible length</source>
        <translation>a JPEG segment of impossible length</translation>
    </message>
    <message>
        <source>an icon file shorter than its own header</source>
        <translation>an icon file shorter than its own header</translation>
    </message>
    <message>
        <source>an icon element that does not fit its file</source>
        <translation>an icon element that does not fit its file</translation>
    </message>
    <message>
        <source>a GIF frame of %1 × %2 pixels on a screen of %3 × %4</source>
        <translation>a GIF frame of %1 × %2 pixels on a screen of %3 × %4</translation>
    </message>
    <message>
        <source>GIF picture data with a code that is not in its table</source>
        <translation>GIF picture data with a code that is not in its table</translation>
    </message>
    <message>
        <source>GIF picture data that runs on past its %1 × %2 frame</source>
        <translation>GIF picture data that runs on past its %1 × %2 frame</translation>
    </message>
    <message>
        <source>GIF picture data that runs on past its end code</source>
        <translation>GIF picture data that runs on past its end code</translation>
    </message>
    <message>
        <source>a JPEG of %1 scans, more than the %2 this program reads</source>
        <translation>a JPEG of %1 scans, more than the %2 this program reads</translation>
    </message>
    <message>
        <source>a JPEG whose %1 scans of %2 × %3 pixels would take too long to decode</source>
        <translation>a JPEG whose %1 scans of %2 × %3 pixels would take too long to decode</translation>
    </message>
    <message>
        <source>an MNG animation of more than %1 layers</source>
        <translation>an MNG animation of more than %1 layers</translation>
    </message>
    <message>
        <source>an MNG animation that would take more than %1 million pixels to draw</source>
        <translation>an MNG animation that would take more than %1 million pixels to draw</translation>
    </message>
    <message numerus="yes">
        <source>The picture %1 could not be read: reading it took longer than %n seconds, so it was stopped.</source>
        <translation>
            <numerusform>The picture %1 could not be read: reading it took longer than %n second, so it was stopped.</numerusform>
            <numerusform>The picture %1 could not be read: reading it took longer than %n seconds, so it was stopped.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading the picture %1 was given up.</source>
        <translation>Reading the picture %1 was given up.</translation>
    </message>
    <message>
        <source>its reader stopped with the signal %1</source>
        <translation>its reader stopped with the signal %1</translation>
    </message>
    <message>
        <source>its reader gave no answer</source>
        <translation>its reader gave no answer</translation>
    </message>
    <message>
        <source>The picture %1 is too large to load (%2 bytes).</source>
        <translation>The picture %1 is too large to load (%2 bytes).</translation>
    </message>
    <message>
        <source>an icon file of more than %1 elements</source>
        <translation>an icon file of more than %1 elements</translation>
    </message>
    <message>
        <source>a WebP animation of more than %1 frames</source>
        <translation>a WebP animation of more than %1 frames</translation>
    </message>
    <message>
        <source>a WebP file of more than %1 chunks beside its frames</source>
        <translation>a WebP file of more than %1 chunks beside its frames</translation>
    </message>
    <message>
        <source>an XPM picture of %1 colours, more than the %2 this program reads</source>
        <translation>an XPM picture of %1 colours, more than the %2 this program reads</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: there is not enough memory for it.</source>
        <translation>The picture %1 cannot be read: there is not enough memory for it.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: cannot start the picture reader: %2.</source>
        <translation>The picture %1 cannot be read: cannot start the picture reader: %2.</translation>
    </message>
    <message>
        <source>it refers to another file (%1), which Pixelwick does not read</source>
        <translation>it refers to another file (%1), which Pixelwick does not read</translation>
    </message>
    <message>
        <source>it holds a picture whose format its first bytes do not tell</source>
        <translation>it holds a picture whose format its first bytes do not tell</translation>
    </message>
    <message>
        <source>it holds pictures inside pictures more than %1 deep</source>
        <translation>it holds pictures inside pictures more than %1 deep</translation>
    </message>
    <message>
        <source>it holds an incomplete %1 picture</source>
        <translation>it holds an incomplete %1 picture</translation>
    </message>
    <message>
        <source>it holds a damaged %1 picture: %2</source>
        <translation>it holds a damaged %1 picture: %2</translation>
    </message>
    <message>
        <source>it holds a %1 picture with parts that can keep a reader busy without end</source>
        <translation>it holds a %1 picture with parts that can keep a reader busy without end</translation>
    </message>
    <message>
        <source>a document type of more than %1 entities</source>
        <translation>a document type of more than %1 entities</translation>
    </message>
    <message>
        <source>entities that would take the document past %1 MB</source>
        <translation>entities that would take the document past %1 MB</translation>
    </message>
    <message>
        <source>an SVG document of more than %1 elements</source>
        <translation>an SVG document of more than %1 elements</translation>
    </message>
    <message>
        <source>it holds text, and no fonts are loaded to draw it</source>
        <translation>it holds text, and no fonts are loaded to draw it</translation>
    </message>
    <message>
        <source>its XML is not well-formed at line %1: %2</source>
        <translation>its XML is not well-formed at line %1: %2</translation>
    </message>
    <message>
        <source>an SVG document of more than %1 MB</source>
        <translation>an SVG document of more than %1 MB</translation>
    </message>
    <message>
        <source>an SVGZ file that unpacks to more than %1 MB</source>
        <translation>an SVGZ file that unpacks to more than %1 MB</translation>
    </message>
    <message>
        <source>its compressed data is damaged (%1)</source>
        <translation>its compressed data is damaged (%1)</translation>
    </message>
    <message>
        <source>The animation %1 holds %2 frames, more than the %3 an animated cursor can show.</source>
        <translation>The animation %1 holds %2 frames, more than the %3 an animated cursor can show.</translation>
    </message>
    <message>
        <source>The animation %1 is too large to load: its %2 frames of %3 x %4 pixels hold more than %5 million pixels in all.</source>
        <translation>The animation %1 is too large to load: its %2 frames of %3 x %4 pixels hold more than %5 million pixels in all.</translation>
    </message>
    <message>
        <source>The animation %1 is damaged or cannot be read (frame %2 is %3 x %4 pixels, not %5 x %6).</source>
        <translation>The animation %1 is damaged or cannot be read (frame %2 is %3 x %4 pixels, not %5 x %6).</translation>
    </message>
    <message>
        <source>The animation %1 is damaged or cannot be read (%2).</source>
        <translation>The animation %1 is damaged or cannot be read (%2).</translation>
    </message>
</context>
<context>
    <name>PointerSet</name>
    <message>
        <source>%1 and %2 are both the pointer %3; give each pointer one picture, or number the frames of an animation (%4-1, %4-2, ...)</source>
        <translation>%1 and %2 are both the pointer %3; give each pointer one picture, or number the frames of an animation (%4-1, %4-2, ...)</translation>
    </message>
    <message>
        <source>the scheme&apos;s name is empty</source>
        <translation>the scheme&apos;s name is empty</translation>
    </message>
    <message>
        <source>the scheme&apos;s name is longer than 64 characters</source>
        <translation>the scheme&apos;s name is longer than 64 characters</translation>
    </message>
    <message>
        <source>the scheme&apos;s name may not hold the character %1, as it becomes a folder&apos;s name on Windows</source>
        <translation>the scheme&apos;s name may not hold the character %1, as it becomes a folder&apos;s name on Windows</translation>
    </message>
    <message>
        <source>the scheme&apos;s name may not start with a space nor end with a space or a dot</source>
        <translation>the scheme&apos;s name may not start with a space nor end with a space or a dot</translation>
    </message>
</context>
<context>
    <name>PointerThemes</name>
    <message>
        <source>a theme&apos;s name is the name of its folder: it cannot be empty, start with a dot or hold a slash or a control character</source>
        <translation>a theme&apos;s name is the name of its folder: it cannot be empty, start with a dot or hold a slash or a control character</translation>
    </message>
    <message>
        <source>Choose the pointer theme %1 in GNOME Tweaks (Appearance, Cursor) or in KDE&apos;s System Settings (Cursors), or start a program with XCURSOR_THEME=%1 set.</source>
        <translation>Choose the pointer theme %1 in GNOME Tweaks (Appearance, Cursor) or in KDE&apos;s System Settings (Cursors), or start a program with XCURSOR_THEME=%1 set.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Pixelwick needs a display to open its window, and none was found (DISPLAY is not set).
Start it from a desktop session, or use pixelwick-convert to make cursors without a window.
</source>
        <translation>Pixelwick needs a display to open its window, and none was found (DISPLAY is not set).
Start it from a desktop session, or use pixelwick-convert to make cursors without a window.
</translation>
    </message>
    <message>
        <source>Pixelwick could not open its window: the display “%1” did not answer.
Start it from a desktop session, or use pixelwick-convert to make cursors without a window.
</source>
        <translation>Pixelwick could not open its window: the display “%1” did not answer.
Start it from a desktop session, or use pixelwick-convert to make cursors without a window.
</translation>
    </message>
    <message>
        <source>Pixelwick could not open its window: the platform “%1” that QT_QPA_PLATFORM names cannot be used here.
Start it from a desktop session, or use pixelwick-convert to make cursors without a window.
</source>
        <translation>Pixelwick could not open its window: the platform “%1” that QT_QPA_PLATFORM names cannot be used here.
Start it from a desktop session, or use pixelwick-convert to make cursors without a window.
</translation>
    </message>
    <message>
        <source>Opens Pixelwick&apos;s window, which turns a picture into a monochrome mouse cursor; with PICTURE, loads it as Load BMP would.</source>
        <translation>Opens Pixelwick&apos;s window, which turns a picture into a monochrome mouse cursor; with PICTURE, loads it as Load BMP would.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>PICTURE</translation>
    </message>
    <message>
        <source>The picture to load at start.</source>
        <translation>The picture to load at start.</translation>
    </message>
    <message>
        <source>[PICTURE]</source>
        <translation>[PICTURE]</translation>
    </message>
    <message>
        <source>Pixelwick opens one picture at a time.</source>
        <translation>Pixelwick opens one picture at a time.</translation>
    </message>
    <message>
        <source>Run &quot;pixelwick --help&quot; for the options.</source>
        <translation>Run &quot;pixelwick --help&quot; for the options.</translation>
    </message>
    <message>
        <source>Fit the whole picture into the cursor, rather than take its top-left 32 × 32 pixels.</source>
        <translation>Fit the whole picture into the cursor, rather than take its top-left 32 × 32 pixels.</translation>
    </message>
    <message>
        <source>Open only the test area, with the cursor, icon or animated cursor FILE as the pointer.</source>
        <translation>Open only the test area, with the cursor, icon or animated cursor FILE as the pointer.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>--try opens the test area alone, without a picture.</source>
        <translation>--try opens the test area alone, without a picture.</translation>
    </message>
</context>
<context>
    <name>WindowPicture</name>
    <message>
        <source>The whole picture is fitted into the cursor.</source>
        <translation>The whole picture is fitted into the cursor.</translation>
    </message>
    <message>
        <source>Only the top-left %1&#xa0;×&#xa0;%1 of this %2&#xa0;×&#xa0;%3 picture is used.</source>
        <translation>Only the top-left %1&#xa0;×&#xa0;%1 of this %2&#xa0;×&#xa0;%3 picture is used.</translation>
    </message>
    <message>
        <source>Pixels %1–%2, %3–%4 of this %5&#xa0;×&#xa0;%6 picture are used.</source>
        <translation>Pixels %1–%2, %3–%4 of this %5&#xa0;×&#xa0;%6 picture are used.</translation>
    </message>
</context>
<context>
    <name>pixelwick::CommonDialog</name>
    <message>
        <source>Cursors (*.cur)</source>
        <translation>Cursors (*.cur)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>pixelwick::FrmConverter</name>
    <message>
        <source>Load BMP</source>
        <translation>Load BMP</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Make CUR</source>
        <translation>Make CUR</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>Invert colour</source>
        <translation>Invert colour</translation>
    </message>
    <message>
        <source>background:</source>
        <translation>background:</translation>
    </message>
    <message>
        <source>invert:</source>
        <translation>invert:</translation>
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
        <translation>Hot Spot:</translation>
    </message>
    <message>
        <source>Hot spot x</source>
        <translation>Hot spot x</translation>
    </message>
    <message>
        <source>Hot spot y</source>
        <translation>Hot spot y</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unexpected error</translation>
    </message>
    <message>
        <source>Something went wrong; nothing was changed.</source>
        <translation>Something went wrong; nothing was changed.</translation>
    </message>
    <message>
        <source>Cannot load the picture</source>
        <translation>Cannot load the picture</translation>
    </message>
    <message>
        <source>Nothing to show yet: load a picture first.</source>
        <translation>Nothing to show yet: load a picture first.</translation>
    </message>
    <message>
        <source>Choose a picture (Ctrl+O)</source>
        <translation>Choose a picture (Ctrl+O)</translation>
    </message>
    <message>
        <source>Write the cursor beside the picture (Ctrl+S)</source>
        <translation>Write the cursor beside the picture (Ctrl+S)</translation>
    </message>
    <message>
        <source>Click a pixel to make it the hot spot, right-click to use its colour, rest the pointer here to see the cursor</source>
        <translation>Click a pixel to make it the hot spot, right-click to use its colour, rest the pointer here to see the cursor</translation>
    </message>
    <message>
        <source>Click to choose the colour that becomes transparent</source>
        <translation>Click to choose the colour that becomes transparent</translation>
    </message>
    <message>
        <source>Click to choose the colour that inverts the screen</source>
        <translation>Click to choose the colour that inverts the screen</translation>
    </message>
    <message>
        <source>The hot spot&apos;s column, 0 to 31 from the left</source>
        <translation>The hot spot&apos;s column, 0 to 31 from the left</translation>
    </message>
    <message>
        <source>The hot spot&apos;s row, 0 to 31 from the top</source>
        <translation>The hot spot&apos;s row, 0 to 31 from the top</translation>
    </message>
    <message>
        <source>Every pixel of the cursor is transparent, so it would be invisible.</source>
        <translation>Every pixel of the cursor is transparent, so it would be invisible.</translation>
    </message>
    <message>
        <source>Pixel for pixel</source>
        <translation>Pixel for pixel</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Fit the whole picture</source>
        <translation>Fit the whole picture</translation>
    </message>
    <message>
        <source>Near colours…</source>
        <translation>Near colours…</translation>
    </message>
    <message>
        <source>Make a set of sizes…</source>
        <translation>Make a set of sizes…</translation>
    </message>
    <message>
        <source>Near colours</source>
        <translation>Near colours</translation>
    </message>
    <message>
        <source>A colour counts as a key colour when its red, green and blue each differ from the key&apos;s by this much at most. 0 takes the key colour alone; the colours of a JPEG may need 16 or more.</source>
        <translation>A colour counts as a key colour when its red, green and blue each differ from the key&apos;s by this much at most. 0 takes the key colour alone; the colours of a JPEG may need 16 or more.</translation>
    </message>
    <message>
        <source>Make a set of sizes</source>
        <translation>Make a set of sizes</translation>
    </message>
    <message>
        <source>The sizes of the cursor&apos;s images, each from 16 to 256 and a multiple of 8, such as 24, 32, 48, 64:</source>
        <translation>The sizes of the cursor&apos;s images, each from 16 to 256 and a multiple of 8, such as 24, 32, 48, 64:</translation>
    </message>
    <message>
        <source>Not a cursor size</source>
        <translation>Not a cursor size</translation>
    </message>
    <message>
        <source>“%1” is not a size a cursor can have: from 16 to 256, a multiple of 8.</source>
        <translation>“%1” is not a size a cursor can have: from 16 to 256, a multiple of 8.</translation>
    </message>
    <message>
        <source>No size was given.</source>
        <translation>No size was given.</translation>
    </message>
    <message>
        <source>Try the cursor…</source>
        <translation>Try the cursor…</translation>
    </message>
    <message>
        <source>Nothing to try yet: load a picture first.</source>
        <translation>Nothing to try yet: load a picture first.</translation>
    </message>
    <message>
        <source>Use on this desktop</source>
        <translation>Use on this desktop</translation>
    </message>
    <message>
        <source>The cursor becomes the pointer of a theme of your own in %1. The theme&apos;s name:</source>
        <translation>The cursor becomes the pointer of a theme of your own in %1. The theme&apos;s name:</translation>
    </message>
    <message>
        <source>Not a theme name</source>
        <translation>Not a theme name</translation>
    </message>
    <message>
        <source>“%1” cannot name a theme: %2.</source>
        <translation>“%1” cannot name a theme: %2.</translation>
    </message>
    <message>
        <source>Hot spot outside the cursor</source>
        <translation>Hot spot outside the cursor</translation>
    </message>
    <message>
        <source>The hot spot %1, %2 lies outside the cursor; a desktop&apos;s pointer needs its hot spot within it.</source>
        <translation>The hot spot %1, %2 lies outside the cursor; a desktop&apos;s pointer needs its hot spot within it.</translation>
    </message>
    <message>
        <source>Cannot write the theme</source>
        <translation>Cannot write the theme</translation>
    </message>
    <message>
        <source>The theme %1 cannot be written: %2.</source>
        <translation>The theme %1 cannot be written: %2.</translation>
    </message>
    <message>
        <source>Wrote the pointer theme %1 in %2. Choose it in GNOME Tweaks or in KDE&apos;s System Settings.</source>
        <translation>Wrote the pointer theme %1 in %2. Choose it in GNOME Tweaks or in KDE&apos;s System Settings.</translation>
    </message>
    <message>
        <source>Use on this desktop…</source>
        <translation>Use on this desktop…</translation>
    </message>
    <message>
        <source>Replace %1 with the changed cursor?</source>
        <translation>Replace %1 with the changed cursor?</translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n images; only the 32 × 32 cursor is written, and the others are not kept.</source>
        <translation>
            <numerusform>The file holds %n image; only the 32 × 32 cursor is written, and the others are not kept.</numerusform>
            <numerusform>The file holds %n images; only the 32 × 32 cursor is written, and the others are not kept.</numerusform>
        </translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Save as…</translation>
    </message>
</context>
<context>
    <name>pixelwick::LooksPopup</name>
    <message>
        <source>How the cursor looks</source>
        <translation>How the cursor looks</translation>
    </message>
</context>
<context>
    <name>pixelwick::MakeNote</name>
    <message>
        <source>Wrote the cursor into %1.</source>
        <translation>Wrote the cursor into %1.</translation>
    </message>
    <message>
        <source>Replaced %1 in %2.</source>
        <translation>Replaced %1 in %2.</translation>
    </message>
    <message>
        <source>Wrote %1 in %2.</source>
        <translation>Wrote %1 in %2.</translation>
    </message>
</context>
<context>
    <name>pixelwick::PictureBox</name>
    <message>
        <source>Set the hot spot here</source>
        <translation>Set the hot spot here</translation>
    </message>
    <message>
        <source>Make this colour transparent</source>
        <translation>Make this colour transparent</translation>
    </message>
    <message>
        <source>Make this colour invert the screen</source>
        <translation>Make this colour invert the screen</translation>
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
        <translation>Frame %1 of %2, %3</translation>
    </message>
    <message>
        <source>%1, image %2</source>
        <translation>%1, image %2</translation>
    </message>
    <message>
        <source>Try the cursor</source>
        <translation>Try the cursor</translation>
    </message>
    <message>
        <source>Image to try</source>
        <translation>Image to try</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>As this desktop draws it</source>
        <translation>As this desktop draws it</translation>
    </message>
    <message>
        <source>As Windows draws it</source>
        <translation>As Windows draws it</translation>
    </message>
    <message>
        <source>The real pointer. X cannot invert the screen, so an inverting pixel is black here, outlined in white where it meets transparent pixels.</source>
        <translation>The real pointer. X cannot invert the screen, so an inverting pixel is black here, outlined in white where it meets transparent pixels.</translation>
    </message>
    <message>
        <source>The pointer is hidden and the cursor drawn on what lies beneath as Windows draws it: white, black, transparent, and inverting the screen.</source>
        <translation>The pointer is hidden and the cursor drawn on what lies beneath as Windows draws it: white, black, transparent, and inverting the screen.</translation>
    </message>
    <message>
        <source>Click to leave a mark where the hot spot lands. Escape closes.</source>
        <translation>Click to leave a mark where the hot spot lands. Escape closes.</translation>
    </message>
    <message>
        <source>%1: %2, an icon, which has no hot spot: tried at its middle, %3, %4</source>
        <translation>%1: %2, an icon, which has no hot spot: tried at its middle, %3, %4</translation>
    </message>
    <message>
        <source>%1: %2, its hot spot %3, %4 outside it: tried at %5, %6</source>
        <translation>%1: %2, its hot spot %3, %4 outside it: tried at %5, %6</translation>
    </message>
    <message>
        <source>%1: %2, hot spot %3, %4</source>
        <translation>%1: %2, hot spot %3, %4</translation>
    </message>
</context>
<context>
    <name>pixelwick::TrySurface</name>
    <message>
        <source>The quick brown fox jumps over the lazy dog.</source>
        <translation>The quick brown fox jumps over the lazy dog.</translation>
    </message>
</context>
</TS>
