#include "app/windowset.h"

#include "app/forms.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form4.h"
#include "windows/form5.h"
#include "windows/form6.h"
#include "windows/form7.h"
#include "windows/form8.h"
#include "windows/form9.h"
#include "windows/form10.h"

#include <utility>

// A window joins the program with one line here, in its place of the order
// TForm7, TForm1, TForm2, TForm4, TForm5, TForm6, TForm8, TForm9, TForm10,
// and one line in destroyWindowSet below, in the reverse place.
// build constructs the window (an error there ends start-up); the creation
// step does what the window does on creation besides being built.
std::vector<cx::app::WindowEntry> windowSet()
{
    return {
        {QStringLiteral("TForm7"), [] { return Form7 = new TForm7; }, {}},
        {QStringLiteral("TForm1"), [] { return Form1 = new TForm1(Form7->qry2); }, {}},
        {QStringLiteral("TForm2"), [] { return Form2 = new TForm2; }, {}},
        {QStringLiteral("TForm4"), [] { return Form4 = new TForm4(Form7->qry3); }, [] { Form4->FormCreate(); }},
        {QStringLiteral("TForm5"), [] { return Form5 = new TForm5(Form7->qry1); }, {}},
        {QStringLiteral("TForm6"), [] { return Form6 = new TForm6(Form7->qry4); }, {}},
        {QStringLiteral("TForm8"), [] { return Form8 = new TForm8; }, {}},
        {QStringLiteral("TForm9"), [] { return Form9 = new TForm9; }, [] { Form9->FormCreate(); }},
        {QStringLiteral("TForm10"), [] { return Form10 = new TForm10; }, [] { Form10->FormCreate(); }},
    };
}

namespace {
template <typename Form>
void destroy(Form *&form)
{
    // The global goes first so that nothing reaches a window being deleted.
    delete std::exchange(form, nullptr);
}
} // namespace

void destroyWindowSet()
{
    destroy(Form10);
    destroy(Form9);
    destroy(Form8);
    destroy(Form6);
    destroy(Form5);
    destroy(Form4);
    destroy(Form2);
    destroy(Form1);
    destroy(Form7);
}
