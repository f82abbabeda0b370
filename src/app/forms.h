#pragma once

// The program's windows, one instance of each, reachable from every other window. Each
// reference is set before its window's creation code runs.

namespace kirv {

class TForm4;
class TForm1;
class TForm2;
class TForm3;
class TOKBottomDlg;
class TForm5;
class TForm6;

extern TForm4* Form4;              // main form: splash, tray icon, tray menu
extern TForm1* Form1;              // configuration dialog
extern TForm2* Form2;              // history graph
extern TForm3* Form3;              // meter
extern TOKBottomDlg* OKBottomDlg;  // about box
extern TForm5* Form5;              // totals
extern TForm6* Form6;              // stopwatch

}  // namespace kirv
