// Placeholder so the application library has a source until the pages land.
namespace qorvel {}
