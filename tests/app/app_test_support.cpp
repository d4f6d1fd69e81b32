// Shared support for the widget tests lands here as the pages arrive.
namespace qorvel::testing {}
