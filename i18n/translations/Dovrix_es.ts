<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>El archivo no existe o no se puede acceder a él.</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>El archivo puede estar dañado o no es un PDF válido.</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>El documento está cifrado.</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>Este método de cifrado de PDF no es compatible.</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>Se produjo un problema al abrir el documento.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>No se pudo representar la página %1; se canceló la exportación.</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>No se puede crear el archivo de salida: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ Anclada al texto, se puede reubicar tras reorganizar el texto</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ Rectángulo de respaldo: la posición puede desplazarse tras reorganizar el texto</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Resaltado</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Eliminar anotación</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>Texto de la nota (opcional, cualquier tipo admite una nota)</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>¿Eliminar esta anotación?</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>Modo de anotación activado: arrastre sobre el texto o dibuje un recuadro para anotar, haga clic en una anotación para editarla</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>Anotaciones guardadas</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>Las anotaciones se guardan en un archivo auxiliar local (.dovrixmark)
y no se ven al abrir el archivo original en otros lectores como Adobe.

Dovrix nunca modifica el PDF original.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>Las anotaciones se guardan solo en un archivo local .dovrixmark; no se ven al abrir el archivo original en otros lectores como Adobe.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · página %2 · color %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>Aún no hay anotaciones. Active el modo de anotación y arrastre sobre el texto para crear una.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>Mis anotaciones</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>En el documento (%1, solo lectura)</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>Copiar a mis notas</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>Las anotaciones de este tipo no se pueden copiar a mis notas.</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>Esta anotación no se pudo leer completa. Se conserva tal cual en el archivo de anotaciones y no se puede editar.</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>anotación ilegible</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>Archivo demasiado grande</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>El archivo de anotaciones existe pero no se puede leer: %1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>No se puede escribir en la carpeta. Las anotaciones se guardan en memoria; expórtelas antes de cerrar.</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>La ruta de exportación es el archivo original. Se canceló, porque el archivo original nunca se modifica.</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>La ruta de exportación es el archivo de anotaciones. Se canceló.</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>Resumen de anotaciones de Dovrix (%1 en total)

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— Página %1 ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>Anclada al texto </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(posición p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>Nota: las anotaciones se guardan solo en un archivo auxiliar local; no se ven al abrir el archivo original en otros lectores como Adobe.
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>El archivo de anotaciones es el propio archivo de origen y no se escribe. Las anotaciones se guardan en memoria; expórtelas antes de cerrar.</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>Hay una carpeta en el lugar del archivo de anotaciones. Las anotaciones se guardan en memoria; expórtelas antes de cerrar.</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>No se puede hacer copia de seguridad del archivo de anotaciones ilegible; se detuvo el guardado para no sobrescribirlo. Las anotaciones se guardan en memoria; expórtelas antes de cerrar.</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>Error al guardar las anotaciones: %1. Las anotaciones se guardan en memoria; expórtelas antes de cerrar.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>El nombre del archivo contiene caracteres que no se pueden reconocer, por lo que no se puede guardar un archivo de anotaciones junto a él. Las anotaciones se guardan en memoria; expórtelas antes de cerrar.</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>Este archivo de anotaciones fue escrito por una versión más reciente de Dovrix. Está abierto solo para lectura: los cambios no se guardan.</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>Aún no hay marcadores. Pulse Ctrl+D para marcar la posición actual.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>Este documento no tiene índice incorporado (capítulos/marcadores).
La posición de lectura se recuerda igualmente de forma automática.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>Cuadro de texto</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>Subrayado ondulado</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Dibujo a mano</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Polígono</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Polilínea</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>Sello</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>Signo de inserción</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>Archivo adjunto</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>El archivo tardó demasiado en abrirse.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>Variado (%1 tamaños)</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>Guardar una copia…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>Propiedades del documento — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>Copiar todo</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>General</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>Todas las páginas</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>Incrustada</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>Los adjuntos solo se guardan como copias; Dovrix nunca los abre ni los ejecuta.</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>Adjuntos</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>Aplicación de origen</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>Productor de PDF</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Creado</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>Versión de PDF</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Tamaño de página</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Tamaño del archivo</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Cifrado</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>imprimir</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>copiar texto</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>modificar</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>anotar</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>rellenar formularios</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>Permisos declarados</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>Permitido: %1
No permitido: %2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>Etiquetado</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>Scripts</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>El documento contiene JavaScript; Dovrix no lo ejecuta.</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>Adjuntos (%1)</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>Guardar una copia del adjunto</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>El adjunto está dañado y no se puede leer.</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>Copia guardada:
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>No se pudo guardar el adjunto: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>Documento nuevo</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Exportación completada</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>Exportado a:
%1

El archivo original no se ha modificado.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>Exportar la página actual como PNG</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Error al exportar</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>No se pudo representar la página. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>Exportar todo el texto (orden de lectura)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>Resumen de anotaciones</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>Este documento no tiene anotaciones.</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>Exportar resumen de anotaciones</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>Exportar PDF con anotaciones</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>Exportando PDF con anotaciones…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>Exportado a:
%1

El archivo original no se ha modificado. Las anotaciones están incrustadas en la copia y se ven en Adobe, WPS o un navegador.
(La copia es un PDF aplanado, representado página a página: se ve igual, pero su texto ya no se puede seleccionar.)</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>Imprimiendo…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>Se enviaron %1 páginas a la impresora.</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>No se pudo representar una página; se canceló la impresión.</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>No se puede iniciar el trabajo de impresión.</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>Exportando texto en orden de lectura…
Página %1 de %2</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>Exportar una copia aplanada (imágenes)</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>Imprimir en un archivo PDF</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>Anotaciones y escala</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>Con anotaciones</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>Ajustar al papel</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>Exportado a:
%1

El archivo de origen no se modificó. Las anotaciones están en la copia como anotaciones PDF estándar, visibles también en otros lectores; el texto, los enlaces y el índice se conservan.</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>El servicio de impresión no aceptó el trabajo: %1
No se perdió nada; vuelva a intentarlo o imprima en un archivo.</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>No se puede leer el archivo de origen: %1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>No se puede escribir %1:
%2

No quedó ningún archivo incompleto; el archivo de origen no se modificó.</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>No se encontró ningún servicio de impresión (CUPS).
¿Imprimir el documento en un archivo PDF en su lugar?</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>Campo de firma (solo se muestra)</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>Los scripts de este formulario no se ejecutan: los campos que el documento calcularía o formatearía conservan lo que escribió.</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>Los campos de firma solo se muestran; Dovrix no firma documentos.</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>Atrás (historial de vista)</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>Adelante (historial de vista)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>Abrir PDF (una pestaña por documento)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>Imprimir (Ctrl+P)</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>Exportar a un archivo nuevo (el original no se modifica)</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>Página actual como imagen (PNG 300 DPI)…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>Todo el texto (TXT, en orden de lectura)…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>Resumen de anotaciones (TXT)…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>PDF con anotaciones (copia)…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>Incrusta las anotaciones actuales en un PDF nuevo, visible en Adobe/WPS; el original no cambia</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Anotar</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>Modo de anotación (A): resaltado / subrayado / tachado / nota / rectángulo / flecha</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>Girar 90°</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>Girar 90° temporalmente (solo en esta vista)</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>Buscar en el documento · Ctrl+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>Medianoche</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>Alto contraste</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>Cambiar el idioma de la interfaz</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Página principal</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>Abrir la página principal de Dovrix</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>Abra un PDF para empezar a leer. Dovrix es un visor de solo lectura y nunca modifica el archivo original.
Puede abrir varios documentos a la vez, cada uno en su pestaña.</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>Abrir PDF…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>Borrar archivos recientes</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>El archivo original se modificó fuera de Dovrix. Vuelva a cargarlo para ver el contenido más reciente.</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Volver a cargar</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix, un lector rapidísimo</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>Cambiar entre página única y desplazamiento continuo</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>Cerrar documento</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>Pestaña siguiente</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>Modo privado</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>Siguiente resultado</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>Resultado anterior</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>Copiar el texto seleccionado</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>Modo de página única</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>Girar 90° temporalmente</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>Ajustar a la página</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>Tamaño real (100%)</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>Modo de anotación</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>Abrir PDF</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>Documentos PDF (*.pdf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>No se pudo abrir</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>El archivo no existe o no se puede acceder a él.</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● Las anotaciones no coinciden con el contenido del documento; los anclajes de rectángulo pueden desplazarse</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Miniaturas</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>Abriendo el documento…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>Contraseña incorrecta, inténtelo de nuevo</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>El documento está cifrado</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>Introduzca la contraseña para abrirlo (Dovrix no descifra ni elimina permisos):</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● El archivo original se modificó externamente</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● Solo lectura: el hash del archivo original no ha cambiado</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256: %1
Dovrix nunca modifica el archivo original.</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● Modo privado: activado</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>Modo privado: desactivado</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>Modo privado: no se guardan archivos recientes ni la caché de miniaturas</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— Página %1 ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>(Esta página es una imagen escaneada sin capa de texto)</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>(Parte del texto de esta página puede no ser fiable)</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>Resaltado (H)</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>Subrayado (U)</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>Tachado (S)</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>Nota (N)</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>Rectángulo (B)</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>Flecha (L)</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>Ir a la página…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>Escriba un número o una etiqueta de página y pulse Intro (Ctrl+G)</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>OCR sin conexión en curso…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>OCR sin conexión en curso: %1/%2 páginas hechas, quedan unos %3 s…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>(A continuación, texto reconocido por OCR)</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>Pantalla completa · F11 o Esc para salir</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>Cambiar colores de página</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>Vista de dos páginas</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>Primera página sola</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>Dos páginas</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>Dos páginas una al lado de otra (D)</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>Colores de página</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>Colores de página (Ctrl+Alt+N): el modo noche invierte claro y oscuro y conserva los tonos</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Según el tema</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>El nombre del archivo contiene caracteres que no se pueden reconocer, por lo que el programa no puede leer el archivo. Cambie el nombre del archivo y vuelva a abrirlo.</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>Copia aplanada (imágenes)…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>PNG con mis anotaciones</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>Propiedades del documento…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>Restablecer formulario</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>Ningún navegador pudo abrir la página. Página de Dovrix: %1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>Reconocer texto (OCR)</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>Esta página</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>Todas las páginas sin texto</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>Al abrir un documento, aquí verá
%1</translation>
    </message>
</context>
<context>
    <name>dovrix::NavigationCommands</name>
    <message>
        <source>缩放 %1%</source>
        <translation>Zoom %1%</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrCommands</name>
    <message>
        <source>OCR 已取消</source>
        <translation>OCR cancelado</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>OCR completado: %1 páginas</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>Error de OCR en la página %1: %2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR no disponible</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>Buscando páginas sin texto…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>Todas las páginas tienen texto; no hay nada que reconocer</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>Esta página no tiene capa de texto · %1 reconoce su texto</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>OCR de la página %1 completado: %2 líneas de texto reconocidas</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>No se pudo representar la página</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>No se pudo inicializar el motor de OCR</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>Motor de OCR no disponible</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>No se pudo inicializar el OCR: %1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>No se encontró el modelo de detección: %1 (%2)</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>No se encontró el modelo de reconocimiento: %1 (%2)</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>Al modelo de reconocimiento le falta el diccionario incrustado (metadatos «character»).</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>A onnxruntime.dll le falta la exportación OrtGetApiBase.</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>La versión de la API de onnxruntime no coincide (se requiere OrtApi v%1).</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>No se puede cargar onnxruntime.dll; el OCR no está disponible. Se intentó:%1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>Girada %1° temporalmente (solo en esta vista)</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>No hay ningún sintetizador de voz instalado (por ejemplo, el complemento flite de Qt Speech).</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>No se puede usar el sintetizador de voz: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>Sin resultados. Si el documento es una imagen escaneada (sin capa de texto), aplique OCR para buscar y copiar su texto.</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>Aplicar OCR a este documento…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>Escriba una palabra clave para buscar (Ctrl+F)</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>Sin coincidencias para “%1”</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>Buscando “%1”…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>Sin coincidencias para “%1”.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>(texto de OCR)</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>(texto aún no cargado)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>Página %1%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>“%1”: %n coincidencia</numerusform>
            <numerusform>“%1”: %n coincidencias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>Buscando “%1”… %2 de %3 páginas revisadas, %n coincidencia hasta ahora</numerusform>
            <numerusform>Buscando “%1”… %2 de %3 páginas revisadas, %n coincidencias hasta ahora</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>La ventana de Dovrix en ejecución acepta como máximo %1 archivos a la vez; no se abrió ningún archivo.</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix — visor de PDF de solo lectura: sin conexión, sin telemetría, nunca modifica el archivo original.</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>El archivo PDF que se abrirá.</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>Reconocer el texto de esta página en cuanto se abra el documento (para depuración y ejecuciones automáticas).</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>Abrir en esta página: un número de página contado desde 1 o la etiqueta de página del propio documento (como iv).</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>Buscar este texto al abrir el documento e ir a la primera coincidencia.</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>Búsqueda directa de SyncTeX: desplazarse hasta donde se compuso esta línea del código TeX y marcarla brevemente.</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>El motor que abre los archivos PDF: mupdf (predeterminado) o qtpdf (para comparaciones e informes de errores).</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>Lectura en voz alta terminada</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>Marcadores, lectura en voz alta y SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>Añadir marcador</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>Renombrar marcador</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>Eliminar marcador</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>Lectura en voz alta</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>Leer en voz alta desde esta página</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>Detener la lectura</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>Comando del editor para la búsqueda inversa…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>No hay un comando de editor para la búsqueda inversa (Herramientas → Comando del editor para la búsqueda inversa…)</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>Los datos de SyncTeX no tienen una posición para la línea %2 de %1</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>No hay ningún archivo SyncTeX junto a este documento (.synctex.gz o .synctex)</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>El archivo SyncTeX está dañado y no se puede leer</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>El archivo SyncTeX procede de otra compilación de este PDF; vuelva a compilar</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>Ninguna posición del código fuente corresponde a este lugar</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>No se puede iniciar el editor: %1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>Se abrió %1 en la línea %2 en el editor</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>Comando del editor para la búsqueda inversa</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>Comando que se ejecuta con Ctrl+clic en una página (%f archivo, %l línea, %c columna), por ejemplo: editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Predeterminada</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>Marcador «%1» añadido</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>Nombre del marcador:</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>Reanudar la lectura</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>Pausar la lectura</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>El archivo SyncTeX ocupa más de %1 MB descomprimido; se rechazó sin leerlo</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>El archivo SyncTeX bloqueó su lector o agotó su memoria; se rechazó</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>La lectura del archivo SyncTeX tardó demasiado; se rechazó</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>El nombre del archivo fuente en el archivo SyncTeX contiene un salto de línea o un carácter NUL; no se pasó al editor</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>Hay caracteres que no se pueden asignar (puede faltar la tabla ToUnicode)</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>El espaciado entre palabras se deduce de la geometría; el texto puede aparecer fragmentado</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>Zona de encabezado/pie de página</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>Se copiaron %1 caracteres</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>Página única</translation>
    </message>
</context>
</TS>
