#include "util/system_error_text.h"

#include <gtest/gtest.h>

namespace tubrix {
namespace {

TEST(SystemErrorText, TheReasonsAUserMeetsAreSpanish) {
    EXPECT_EQ(systemErrorText(std::make_error_code(std::errc::no_space_on_device)),
              "no queda espacio en el disco");
    EXPECT_EQ(systemErrorText(std::make_error_code(std::errc::permission_denied)),
              "no hay permiso");
    EXPECT_EQ(systemErrorText(std::make_error_code(std::errc::read_only_file_system)),
              "el disco es de solo lectura");
    EXPECT_EQ(systemErrorText(std::make_error_code(std::errc::no_such_file_or_directory)),
              "no existe");
    // Whatever else happens is still told in Spanish, by its number.
    EXPECT_EQ(systemErrorText(std::make_error_code(std::errc::protocol_error))
                  .rfind("error del sistema n.º ", 0),
              0u);
}

} // namespace
} // namespace tubrix
