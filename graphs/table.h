// The measurement table: ten measurement buttons and the five columns
// beside them, element 0 of each column its header and 1 to 10 its rows.
// Children of the window's surface, in its pixel coordinates.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class QLabel;
class QPushButton;
class QWidget;

namespace graphs {

class TablePicture;

class Table : public QObject
{
    Q_OBJECT
public:
    // The columns in the order they stand.
    enum Column { ColumnI, ColumnU, ColumnP0, ColumnPv, ColumnKPD };

    explicit Table(QWidget *surface);

    std::array<QPushButton *, 11> N_S{};
    std::array<QLabel *, 11> lblI{};
    std::array<QLabel *, 11> lblU{};
    std::array<QLabel *, 11> lblP0{};
    std::array<QLabel *, 11> lblPv{};
    std::array<QLabel *, 11> lblKPD{};

    // Shows `text` in row n of column c, smaller when too wide for the cell,
    // and puts it in the cell's accessible name.
    void setCell(Column c, std::size_t n, const QString &text);
    // Row n as a screen reader is told it: every column's name and text.
    QString spokenRow(std::size_t n) const;

    // The five texts of row n as shown, blanks trimmed (row 0: the headers).
    QStringList rowTexts(std::size_t n) const;
    // Whether row n holds readings; how many rows do.
    bool isRecorded(std::size_t n) const;
    int recordedRows() const;
    // The table as tab-separated text: the headers, then the recorded rows.
    QString tableText() const;

signals:
    // A measurement button was pressed: by the mouse, Space or Enter.
    void recordPressed(int n);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const std::array<QLabel *, 11> &column(int c) const;

    TablePicture *m_picture = nullptr;
};

} // namespace graphs
