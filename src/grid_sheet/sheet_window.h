#pragma once

#include <QWidget>
#include <memory>

namespace zige {

class Prompts;

// The grid sheet window 生成速成宝格.
class SheetWindow : public QWidget {
    Q_OBJECT

public:
    explicit SheetWindow(std::shared_ptr<Prompts> prompts, QWidget* parent = nullptr);

    void Form_Load();

private:
    std::shared_ptr<Prompts> prompts_;
};

}  // namespace zige
