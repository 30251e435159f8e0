#pragma once
// The heading above the main list: one text of 144 characters whose words are drawn over the
// columns of the display lines, in the list's own fixed-pitch font.
#include <QLabel>
#include <QList>

class QListView;

namespace kastlog {

struct Heading {
    QString word;
    int headerCol;   // 1-based position in the 144-character heading text
    int displayCol;  // 1-based column of the display line it stands over
};

// The thirteen headings, left to right, in the language loaded now.
QList<Heading> headings();
// The heading text: blanks and the words at their positions, 144 characters.
QString columnHeaderText();

class ColumnHeader : public QLabel {
public:
    ColumnHeader(QListView *list, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QListView *m_list;
};

}  // namespace kastlog
