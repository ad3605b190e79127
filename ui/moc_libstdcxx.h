// Read by moc only (forced in by the build): moc of Qt before 6.5.3 cannot expand this
// libstdc++ macro when it follows our headers into <compare> and <concepts>.
#define _GLIBCXX_VISIBILITY(visibility)
