// mousecfgctl: command-line companion of the configuration utility.
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "usage: mousecfgctl <command>\n";
    return 0;
}
