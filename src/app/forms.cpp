#include "app/forms.h"

namespace kirv {

TForm4* Form4 = nullptr;
TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TOKBottomDlg* OKBottomDlg = nullptr;
TForm5* Form5 = nullptr;
TForm6* Form6 = nullptr;

}  // namespace kirv
