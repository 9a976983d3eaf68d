#include "app_test_support.h"
namespace zem::test {
TEST_F(WindowTest, ZzShot) {
    page().defaultButton().click();
    clickCell(3, 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    window->grab().save(qEnvironmentVariable("ZEM_SHOT"));
}
}
