#pragma once
#include "ui/form.h"

namespace orvella {

// The preview window "Просмотр": shows the current picture before its file is deleted.
class TForm4 : public ui::Form {
public:
    explicit TForm4(ui::Application& application);
};

}  // namespace orvella
