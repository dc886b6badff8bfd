<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="th">
<context>
    <name>CommandLine</name>
    <message>
        <source>วิธีใช้: curvista [--version | --help] [ตัวเลือกของ Qt]</source>
        <extracomment>The first line of the answer to --help, and the last of a refused command line, in a terminal. Keep the program&apos;s name and the options as they are.</extracomment>
        <translation>Usage: curvista [--version | --help] [Qt options]</translation>
    </message>
    <message>
        <source>Curvista เขียนกราฟเส้นตรง y = mx + c และกราฟพาราโบลา y = ax^2 + bx + c
บนตารางสี่เหลี่ยมตั้งแต่ -35 ถึง +35 ใช้ภาษาไทย หรือภาษาอังกฤษเมื่อผู้ใช้เลือกไว้
โปรแกรมไม่เก็บแฟ้มใด ๆ นอกจาก --version และ --help แล้ว โปรแกรมรับตัวเลือก
ที่โปรแกรม Qt ทุกโปรแกรมรับ เช่น -platform, -style และ -reverse
</source>
        <extracomment>The answer to --help after its first line, in a terminal at most 80 characters wide. Keep the options, the equations and the numbers.</extracomment>
        <translation>Curvista draws straight lines y = mx + c and parabolas y = ax^2 + bx + c
on a square grid from -35 to +35. It speaks Thai, or English where your
language settings ask for English. It keeps no files. Besides --version
and --help it takes the options every Qt program takes, such as
-platform, -style and -reverse.
</translation>
    </message>
    <message>
        <source>ตัวเลือก &apos;%1&apos; ต้องมีค่าตามหลัง</source>
        <extracomment>Why a command line is refused, in a terminal; %1 is the option as typed.</extracomment>
        <translation>option &apos;%1&apos; needs a value</translation>
    </message>
    <message>
        <source>ไม่รู้จักอาร์กิวเมนต์ &apos;%1&apos;</source>
        <extracomment>Why a command line is refused, in a terminal; %1 is the argument as typed.</extracomment>
        <translation>unrecognised argument &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>ExportDialogs</name>
    <message>
        <source>ภาพ PNG ขนาดเท่าหน้าต่าง (*.png)</source>
        <extracomment>A kind of file in the save dialog; keep the pattern in brackets.</extracomment>
        <translation>PNG image, the window&apos;s size (*.png)</translation>
    </message>
    <message>
        <source>ภาพ PNG ขนาด 2 เท่า (*.png)</source>
        <extracomment>A kind of file in the save dialog: twice the window&apos;s size.</extracomment>
        <translation>PNG image, twice the size (*.png)</translation>
    </message>
    <message>
        <source>ภาพ PNG ขนาด 4 เท่า (*.png)</source>
        <extracomment>A kind of file in the save dialog: four times the window&apos;s size.</extracomment>
        <translation>PNG image, four times the size (*.png)</translation>
    </message>
    <message>
        <source>ภาพเวกเตอร์ SVG (*.svg)</source>
        <extracomment>A kind of file in the save dialog.</extracomment>
        <translation>SVG vector image (*.svg)</translation>
    </message>
    <message>
        <source>บันทึกภาพกราฟ</source>
        <extracomment>Title of the dialog that asks for a file to save the graph in.</extracomment>
        <translation>Save the graph</translation>
    </message>
    <message>
        <source>กราฟ.png</source>
        <extracomment>The file name the save dialog proposes.</extracomment>
        <translation>graph.png</translation>
    </message>
    <message>
        <source>พิมพ์กราฟ</source>
        <extracomment>Title of the dialog that asks for a printer.</extracomment>
        <translation>Print the graph</translation>
    </message>
    <message>
        <source>เอกสาร PDF หน้ากระดาษ A4 (*.pdf)</source>
        <extracomment>The save kind that writes the printed page, graph and equations, as a PDF file.</extracomment>
        <translation>PDF document, A4 page (*.pdf)</translation>
    </message>
    <message>
        <source>บันทึกบทเรียน</source>
        <extracomment>Title of the dialog that asks for a file to save the lesson in.</extracomment>
        <translation>Save the lesson</translation>
    </message>
    <message>
        <source>บทเรียน.curvista</source>
        <extracomment>The file name the dialog that saves a lesson proposes.</extracomment>
        <translation>lesson.curvista</translation>
    </message>
    <message>
        <source>เปิดบทเรียน</source>
        <extracomment>Title of the dialog that asks for a lesson file to open.</extracomment>
        <translation>Open a lesson</translation>
    </message>
    <message>
        <source>บทเรียน Curvista (*.curvista)</source>
        <extracomment>The kind of file lessons are, in the lesson dialogs; keep the pattern in brackets.</extracomment>
        <translation>Curvista lessons (*.curvista)</translation>
    </message>
</context>
<context>
    <name>GraphPage</name>
    <message>
        <source>(วาดไม่ครบ: ข้อผิดพลาดหยุดการวาดกลางทาง)</source>
        <extracomment>After a parabola in the printed list whose drawing an error stopped.</extracomment>
        <translation>(not drawn in full: an error stopped the drawing)</translation>
    </message>
    <message>
        <source>th_TH</source>
        <extracomment>The locale the date under the printed graph is written in: this translation&apos;s language and country.</extracomment>
        <translation>en_US</translation>
    </message>
    <message>
        <source>วันที่ %1</source>
        <extracomment>Under the printed graph; %1 is the date.</extracomment>
        <translation>Date: %1</translation>
    </message>
</context>
<context>
    <name>KeyPoints</name>
    <message>
        <source>จุดยอด</source>
        <extracomment>In the graph&apos;s tooltip and the printed list: the parabola&apos;s vertex, followed by its coordinates.</extracomment>
        <translation>vertex</translation>
    </message>
    <message>
        <source>รากของสมการ</source>
        <extracomment>In the graph&apos;s tooltip and the printed list: a root of the parabola&apos;s equation, followed by its coordinates.</extracomment>
        <translation>root</translation>
    </message>
    <message>
        <source>จุดตัดแกน y</source>
        <extracomment>In the graph&apos;s tooltip and the printed list: where the curve crosses the y axis.</extracomment>
        <translation>y-intercept</translation>
    </message>
    <message>
        <source>จุดตัดแกน x</source>
        <extracomment>In the graph&apos;s tooltip and the printed list: where the line crosses the x axis.</extracomment>
        <translation>x-intercept</translation>
    </message>
    <message>
        <source>จุดตัด</source>
        <extracomment>In the graph&apos;s tooltip and the printed list: where two drawn curves cross.</extracomment>
        <translation>intersection</translation>
    </message>
</context>
<context>
    <name>LessonFile</name>
    <message>
        <source>เส้นที่ %1 ไม่มีค่า %2</source>
        <extracomment>A lesson file&apos;s fault: %1 is the curve&apos;s number, %2 the coefficient&apos;s name.</extracomment>
        <translation>curve %1 has no value of %2</translation>
    </message>
    <message>
        <source>ค่า %2 ของเส้นที่ %1 ไม่ใช่ตัวเลข</source>
        <extracomment>A lesson file&apos;s fault: %1 is the curve&apos;s number, %2 the coefficient&apos;s name.</extracomment>
        <translation>the %2 of curve %1 is not a number</translation>
    </message>
    <message>
        <source>ค่า %2 ของเส้นที่ %1 เกินช่วงที่วาดได้</source>
        <extracomment>A lesson file&apos;s fault: the number is too large to draw.</extracomment>
        <translation>the %2 of curve %1 is too large to draw</translation>
    </message>
    <message>
        <source>เส้นที่ %1 ไม่ใช่เส้นตรงหรือพาราโบลา</source>
        <extracomment>A lesson file&apos;s fault: a curve is neither a line nor a parabola.</extracomment>
        <translation>curve %1 is neither a line nor a parabola</translation>
    </message>
    <message>
        <source>ไม่ใช่ไฟล์ JSON (ที่ตำแหน่ง %1: %2)</source>
        <extracomment>A lesson file&apos;s fault: %1 is the position, %2 Qt&apos;s description.</extracomment>
        <translation>not a JSON file (at position %1: %2)</translation>
    </message>
    <message>
        <source>ไม่ใช่ไฟล์บทเรียนของ Curvista</source>
        <extracomment>A lesson file&apos;s fault: the file is some other kind of JSON.</extracomment>
        <translation>not a Curvista lesson</translation>
    </message>
    <message>
        <source>ไฟล์บทเรียนรุ่น %1 ใหม่กว่าที่โปรแกรมนี้อ่านได้</source>
        <extracomment>A lesson file&apos;s fault: %1 is the file&apos;s version.</extracomment>
        <translation>a lesson of version %1, later than this program reads</translation>
    </message>
    <message>
        <source>สีทั้งสี่ในไฟล์ไม่ครบหรือไม่ถูกต้อง</source>
        <extracomment>A lesson file&apos;s fault: the four colours must be given as #rrggbb.</extracomment>
        <translation>the four colours are missing or not valid</translation>
    </message>
    <message>
        <source>ไม่มีรายการเส้นกราฟ</source>
        <extracomment>A lesson file&apos;s fault: there is no list of curves.</extracomment>
        <translation>no list of curves</translation>
    </message>
    <message>
        <source>มีเส้นกราฟ %1 เส้น เกิน %2 เส้นที่เปิดได้</source>
        <extracomment>A lesson file&apos;s fault: %1 curves are more than %2, the most a lesson may hold.</extracomment>
        <translation>%1 curves, more than the %2 a lesson may hold</translation>
    </message>
    <message>
        <source>เปิดบทเรียน %1 ไม่ได้: %2</source>
        <extracomment>A runtime error&apos;s message about a lesson file: %1 is the file, %2 what is wrong.</extracomment>
        <translation>Cannot open the lesson %1: %2</translation>
    </message>
    <message>
        <source>บันทึกบทเรียน %1 ไม่ได้: %2</source>
        <extracomment>A runtime error&apos;s message: %1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Cannot save the lesson %1: %2</translation>
    </message>
    <message>
        <source>เป็นโฟลเดอร์ ไม่ใช่ไฟล์</source>
        <extracomment>A lesson file&apos;s fault: the name is a folder&apos;s.</extracomment>
        <translation>a folder, not a file</translation>
    </message>
    <message>
        <source>ไฟล์ใหญ่เกิน %1 MB</source>
        <extracomment>A lesson file&apos;s fault: %1 is the most, in megabytes, a lesson file may have.</extracomment>
        <translation>larger than %1 MB</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <extracomment>A runtime error&apos;s message.</extracomment>
        <translation>Invalid procedure call or argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <extracomment>A runtime error&apos;s message: a number too large, typically a coefficient too large to draw.</extracomment>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <extracomment>A runtime error&apos;s message.</extracomment>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <extracomment>A runtime error&apos;s message.</extracomment>
        <translation>Path/File access error</translation>
    </message>
    <message>
        <source>Form already displayed; can&apos;t show modally</source>
        <extracomment>A runtime error&apos;s message: a window cannot be shown modally while it is already shown.</extracomment>
        <translation>Form already displayed; can&apos;t show modally</translation>
    </message>
    <message>
        <source>Printer error</source>
        <extracomment>A runtime error&apos;s message.</extracomment>
        <translation>Printer error</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <extracomment>A runtime error&apos;s message.</extracomment>
        <translation>Application-defined or object-defined error</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <extracomment>The report of a runtime error in its message box: %1 is the error&apos;s number, %2 its message.</extracomment>
        <translation>Run-time error &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>SaveGraph</name>
    <message>
        <source>write error</source>
        <extracomment>Why a save failed, when the system gives no reason.</extracomment>
        <translation>write error</translation>
    </message>
    <message>
        <source>บันทึกภาพกราฟลงแฟ้มนี้ไม่ได้:
%1

(%2)</source>
        <extracomment>A runtime error&apos;s message: %1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Could not save the graph in this file:
%1

(%2)</translation>
    </message>
</context>
<context>
    <name>frmControl</name>
    <message>
        <source>&amp;Option</source>
        <extracomment>The menu item that opens the colour dialog; &amp; marks its access key (Alt+O).</extracomment>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>The menu item that ends the program; &amp; marks its access key (Alt+X).</extracomment>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>กราฟเส้นตรง</source>
        <extracomment>The button that opens the straight-line dialog; at most 109 pixels.</extracomment>
        <translation>Straight line</translation>
    </message>
    <message>
        <source>กราฟพาราโบลา</source>
        <extracomment>The button that opens the parabola dialog; at most 109 pixels.</extracomment>
        <translation>Parabola</translation>
    </message>
    <message>
        <source>ลบทั้งหมด</source>
        <extracomment>The words on the control panel&apos;s clear button, a picture, beside an eraser: one line of at most 70 pixels. The button&apos;s name too.</extracomment>
        <translation>Clear all</translation>
    </message>
</context>
<context>
    <name>frmGraph</name>
    <message>
        <source>คัดลอกภาพกราฟ</source>
        <extracomment>The graph window&apos;s menu (right button or Menu key): copies the graph as a picture.</extracomment>
        <translation>Copy the graph</translation>
    </message>
    <message>
        <source>บันทึกภาพกราฟ…</source>
        <extracomment>The graph window&apos;s menu: asks for a file to save the graph in.</extracomment>
        <translation>Save the graph…</translation>
    </message>
    <message>
        <source>พิมพ์กราฟ…</source>
        <extracomment>The graph window&apos;s menu: asks for a printer to print the graph on.</extracomment>
        <translation>Print the graph…</translation>
    </message>
    <message>
        <source>พิมพ์กราฟไม่ได้: เครื่องพิมพ์ไม่พร้อม</source>
        <extracomment>A runtime error&apos;s message, when printing cannot start.</extracomment>
        <translation>Could not print the graph: the printer is not ready</translation>
    </message>
    <message>
        <source>พิมพ์กราฟไม่ได้</source>
        <extracomment>A runtime error&apos;s message, when printing fails on the way.</extracomment>
        <translation>Could not print the graph</translation>
    </message>
    <message>
        <source>x = %1, y = %2</source>
        <extracomment>The tooltip on the graph: the equation&apos;s x and y under the pointer, each with two decimals.</extracomment>
        <translation>x = %1, y = %2</translation>
    </message>
    <message>
        <source>บันทึกบทเรียน…</source>
        <extracomment>The graph window&apos;s menu: saves the equations drawn and the colours as a lesson file.</extracomment>
        <translation>Save Lesson…</translation>
    </message>
    <message>
        <source>เปิดบทเรียน…</source>
        <extracomment>The graph window&apos;s menu: opens a lesson file, replacing what the graph shows.</extracomment>
        <translation>Open Lesson…</translation>
    </message>
    <message>
        <source>เลิกทำ</source>
        <extracomment>The graph window&apos;s menu: takes back the last curve drawn or the last clearing.</extracomment>
        <translation>Undo</translation>
    </message>
    <message>
        <source>ทำซ้ำ</source>
        <extracomment>The graph window&apos;s menu: draws again what was taken back.</extracomment>
        <translation>Redo</translation>
    </message>
    <message>
        <source>แสดงจุดสำคัญ</source>
        <extracomment>The graph window&apos;s menu: marks the vertex, roots and crossings of every curve drawn.</extracomment>
        <translation>Show Key Points</translation>
    </message>
    <message>
        <source>แสดงเส้นกราฟขณะพิมพ์</source>
        <extracomment>The graph window&apos;s menu: sketches the curve an equation dialog describes, as its numbers are typed.</extracomment>
        <translation>Show Curve While Typing</translation>
    </message>
</context>
<context>
    <name>frmLinear</name>
    <message>
        <source>เขียนกราฟเส้นตรง</source>
        <extracomment>Title of the straight-line dialog.</extracomment>
        <translation>Draw a straight line</translation>
    </message>
    <message>
        <source>รูปมาตรฐาน :</source>
        <extracomment>Before the equation y = mx + c; one line of at most 73 pixels.</extracomment>
        <translation>Standard form:</translation>
    </message>
    <message>
        <source>สมการปัจจุบัน :</source>
        <extracomment>Before the equation as typed in the boxes below; one line of at most 81 pixels.</extracomment>
        <translation>Your equation:</translation>
    </message>
    <message>
        <source>กำหนดค่า m (สามารถเป็นทศนิยมได้ ) : </source>
        <extracomment>Before the box for the slope m, which also takes it as its name; one line of at most 193 pixels.</extracomment>
        <translation>Value of m (decimals allowed):</translation>
    </message>
    <message>
        <source>กำหนดค่า c (สามารถเป็นทศนิยมได้ ) : </source>
        <extracomment>Before the box for the intercept c, which also takes it as its name; one line of at most 193 pixels.</extracomment>
        <translation>Value of c (decimals allowed):</translation>
    </message>
    <message>
        <source>เขียนกราฟ</source>
        <extracomment>The button that draws the line (Enter presses it); at most 133 pixels.</extracomment>
        <translation>Draw the graph</translation>
    </message>
    <message>
        <source>ปิดหน้าต่างนี้</source>
        <extracomment>The button that closes the dialog; at most 133 pixels.</extracomment>
        <translation>Close this window</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Version 1.00</source>
        <extracomment>Under the splash window&apos;s banner, at the right; one line of at most 81 pixels.</extracomment>
        <translation>Version 1.00</translation>
    </message>
    <message>
        <source>Developer : Orvandel</source>
        <extracomment>Under the splash window&apos;s banner, at the left; one line of at most 329 pixels.</extracomment>
        <translation>Developer: Orvandel</translation>
    </message>
</context>
<context>
    <name>frmOpt</name>
    <message>
        <source>Option</source>
        <extracomment>Title of the colour dialog, which the control panel&apos;s menu item opens.</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>กำหนดสี</source>
        <extracomment>Title of the frame around the four colour boxes; at most 120 pixels.</extracomment>
        <translation>Colours</translation>
    </message>
    <message>
        <source>แกน x , y :</source>
        <extracomment>Before the axes&apos; colour box; one line of at most 57 pixels.</extracomment>
        <translation>x, y axes:</translation>
    </message>
    <message>
        <source>สีแกน x , y</source>
        <extracomment>The axes&apos; colour box, as a screen reader names it.</extracomment>
        <translation>Colour of the x, y axes</translation>
    </message>
    <message>
        <source>เส้นกริด :</source>
        <extracomment>Before the grid lines&apos; colour box; one line of at most 49 pixels.</extracomment>
        <translation>Grid lines:</translation>
    </message>
    <message>
        <source>สีเส้นกริด</source>
        <extracomment>The grid lines&apos; colour box, as a screen reader names it.</extracomment>
        <translation>Colour of the grid lines</translation>
    </message>
    <message>
        <source>เส้นกราฟ :</source>
        <extracomment>Before the curves&apos; colour box; one line of at most 57 pixels.</extracomment>
        <translation>Curves:</translation>
    </message>
    <message>
        <source>สีเส้นกราฟ</source>
        <extracomment>The curves&apos; colour box, as a screen reader names it.</extracomment>
        <translation>Colour of the curves</translation>
    </message>
    <message>
        <source>สีพื้นหลัง :</source>
        <extracomment>Before the background&apos;s colour box; one line of at most 49 pixels.</extracomment>
        <translation>Paper:</translation>
    </message>
    <message>
        <source>สีพื้นหลัง</source>
        <extracomment>The background&apos;s colour box, as a screen reader names it.</extracomment>
        <translation>Colour of the paper</translation>
    </message>
    <message>
        <source>ตกลง</source>
        <extracomment>The button that keeps the colours chosen; at most 69 pixels.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>ยกเลิก</source>
        <extracomment>The button that forgets the colours chosen; at most 69 pixels.</extracomment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>    สีทั้งหมดจะเปลี่ยนไปตามที่เลือก หลังจากกดปุ่ม &quot;ลบทั้งหมด&quot;</source>
        <extracomment>The note at the bottom of the colour dialog: two lines of at most 233 pixels, after four blanks. In quotes, the words on the control panel&apos;s clear button, exactly as that button shows them.</extracomment>
        <translation>    The colours you choose appear after you press &quot;Clear all&quot;.</translation>
    </message>
</context>
<context>
    <name>frmPara</name>
    <message>
        <source>เขียนกราฟพาราโบลา</source>
        <extracomment>Title of the parabola dialog.</extracomment>
        <translation>Draw a parabola</translation>
    </message>
    <message>
        <source>รูปมาตรฐาน :</source>
        <extracomment>Before the equation y = ax² + bx + c; one line of at most 73 pixels.</extracomment>
        <translation>Standard form:</translation>
    </message>
    <message>
        <source>ยกกำลังสอง (รูปมาตรฐาน)</source>
        <extracomment>What a screen reader says for the small 2 of x² in the standard form.</extracomment>
        <translation>squared (standard form)</translation>
    </message>
    <message>
        <source>สมการปัจจุบัน :</source>
        <extracomment>Before the equation as typed in the boxes below; one line of at most 81 pixels.</extracomment>
        <translation>Your equation:</translation>
    </message>
    <message>
        <source>ยกกำลังสอง (สมการปัจจุบัน)</source>
        <extracomment>What a screen reader says for the small 2 of x² in the equation as typed.</extracomment>
        <translation>squared (your equation)</translation>
    </message>
    <message>
        <source>กำหนดค่า a (สามารถเป็นทศนิยมได้ ) : </source>
        <extracomment>Before the box for a, which also takes it as its name; one line of at most 193 pixels.</extracomment>
        <translation>Value of a (decimals allowed):</translation>
    </message>
    <message>
        <source>กำหนดค่า b (สามารถเป็นทศนิยมได้ ) : </source>
        <extracomment>Before the box for b, which also takes it as its name; one line of at most 193 pixels.</extracomment>
        <translation>Value of b (decimals allowed):</translation>
    </message>
    <message>
        <source>กำหนดค่า c (สามารถเป็นทศนิยมได้ ) : </source>
        <extracomment>Before the box for c, which also takes it as its name; one line of at most 193 pixels.</extracomment>
        <translation>Value of c (decimals allowed):</translation>
    </message>
    <message>
        <source>เขียนกราฟ</source>
        <extracomment>The button that draws the parabola (Enter presses it); at most 133 pixels.</extracomment>
        <translation>Draw the graph</translation>
    </message>
    <message>
        <source>ปิดหน้าต่างนี้</source>
        <extracomment>The button that closes the dialog; at most 133 pixels.</extracomment>
        <translation>Close this window</translation>
    </message>
</context>
</TS>
