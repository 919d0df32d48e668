// Starting the application at login.
#pragma once

#include <optional>
#include <string>

namespace harfnur::port {

enum class AvtoyuklashHolati { royxatdaEmas = 0, yoqilgan = 1, tasdiqKerak = 2, topilmadi = 3 };

class AvtoyuklashXizmati {
public:
    virtual ~AvtoyuklashXizmati() = default;
    virtual bool bormi() = 0;  // the service exists on this system
    virtual AvtoyuklashHolati holat() = 0;
    // Nothing on success, else the error's description.
    virtual std::optional<std::string> royxatgaOl() = 0;
    virtual std::optional<std::string> royxatdanChiqar() = 0;
};

}  // namespace harfnur::port
