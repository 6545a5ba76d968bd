#include "view3d/pixel_format.h"

#include <QCoreApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>

namespace brenvik {

QString pixelFormatCaption() { return QCoreApplication::translate("PixelFormat", "Ошибка!"); }
QString noPixelFormatText()
{
    return QCoreApplication::translate("PixelFormat", "Не могу выбрать формат пискеля");
}
QString pixelFormatNotSetText()
{
    return QCoreApplication::translate("PixelFormat", "Не могу установить формат пикселя");
}

QSurfaceFormat requestedSurfaceFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(5);
    format.setGreenBufferSize(5);
    format.setBlueBufferSize(5);
    format.setAlphaBufferSize(0);
    format.setDepthBufferSize(16);
    format.setStencilBufferSize(0);
    return format;
}

QString pixelFormatProblem(bool contextCreated, const QSurfaceFormat& obtained)
{
    if (!contextCreated)
        return noPixelFormatText();
    const bool colour =
        obtained.redBufferSize() > 0 && obtained.greenBufferSize() > 0 && obtained.blueBufferSize() > 0;
    const bool fixedFunction = obtained.renderableType() != QSurfaceFormat::OpenGLES &&
                               obtained.profile() != QSurfaceFormat::CoreProfile;
    if (!colour || obtained.depthBufferSize() < 16 || !fixedFunction)
        return pixelFormatNotSetText();
    return {};
}

QString probeRenderingContext()
{
    QOpenGLContext context;
    context.setFormat(requestedSurfaceFormat());
    if (!context.create())
        return pixelFormatProblem(false, {});
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return pixelFormatNotSetText();
    const QSurfaceFormat obtained = context.format();
    context.doneCurrent();
    return pixelFormatProblem(true, obtained);
}

}  // namespace brenvik
