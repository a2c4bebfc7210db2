<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>O arquivo não existe ou não pode ser acessado.</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>O arquivo pode estar danificado ou não é um PDF válido.</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>O documento está criptografado.</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>Este método de criptografia de PDF ainda não é suportado.</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>Ocorreu um problema ao abrir o documento.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>Falha ao renderizar a página %1; exportação interrompida.</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>Não foi possível criar o arquivo de saída: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ Ancorada ao texto; reposicionável após refluxo</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ Ancorada a um retângulo: pode se deslocar após refluxo</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Realce</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Sublinhado</translation>
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
        <translation>Retângulo</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Seta</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Excluir anotação</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>Texto da nota (opcional; outros tipos também aceitam nota)</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>Excluir esta anotação?</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>Modo de anotação ativado: arraste sobre o texto ou desenhe uma caixa para anotar; clique numa anotação para editá-la</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>Anotações salvas</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>As anotações ficam em um arquivo sidecar local (.dovrixmark)
e não aparecem ao abrir o arquivo de origem no Adobe ou em outros leitores.

O Dovrix nunca modifica o PDF de origem.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>As anotações ficam apenas no arquivo local .dovrixmark e não aparecem ao abrir o arquivo de origem no Adobe ou em outros leitores.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · página %2 · cor %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>Nenhuma anotação ainda. Ative o modo de anotação e arraste sobre o texto para criar uma.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>Minhas anotações</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>No documento (%1, somente leitura)</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>Copiar para minhas notas</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>Anotações deste tipo não podem ser copiadas para minhas notas.</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>Esta anotação não pôde ser lida por inteiro. Ela é mantida como estava no arquivo de anotações e não pode ser editada.</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>anotação ilegível</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>Arquivo grande demais</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>O arquivo de anotações existe, mas não pôde ser lido: %1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>A pasta atual não permite gravação. As anotações ficarão só na memória; exporte-as antes de fechar.</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>O caminho de exportação é o próprio arquivo de origem. Operação cancelada: o arquivo de origem nunca é gravado.</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>O caminho de exportação é o arquivo de anotações; operação cancelada.</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>Resumo de anotações do Dovrix (total: %1)

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
        <translation>ancorada ao texto </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(posição p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>Nota: as anotações ficam apenas em um arquivo sidecar local e não aparecem ao abrir o arquivo de origem no Adobe ou em outros leitores.
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>O arquivo de anotações é o próprio arquivo de origem e não é gravado. As anotações ficarão só na memória; exporte-as antes de fechar.</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>Há uma pasta no lugar do arquivo de anotações. As anotações ficarão só na memória; exporte-as antes de fechar.</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>Não é possível fazer backup do arquivo de anotações ilegível; a gravação foi interrompida para não sobrescrevê-lo. As anotações ficarão só na memória; exporte-as antes de fechar.</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>Falha ao gravar as anotações: %1. As anotações ficarão só na memória; exporte-as antes de fechar.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>O nome do arquivo contém caracteres que não podem ser reconhecidos, por isso não é possível salvar um arquivo de anotações ao lado dele. As anotações ficarão só na memória; exporte-as antes de fechar.</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>Este arquivo de anotações foi escrito por uma versão mais recente do Dovrix. Está aberto somente para leitura: as alterações não são salvas.</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>Ainda não há marcadores. Pressione Ctrl+D para marcar a posição atual.</translation>
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
        <translation>Este documento não tem sumário incorporado (capítulos/marcadores).
O progresso de leitura continua sendo lembrado automaticamente.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>Caixa de texto</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>Sublinhado ondulado</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Desenho à mão</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Polígono</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Polilinha</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>Carimbo</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>Sinal de inserção</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>Arquivo anexado</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>O arquivo demorou demais para abrir.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>Variado (%1 tamanhos)</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>Salvar uma cópia…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>Propriedades do documento — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>Copiar tudo</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>Todas as páginas</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Fontes</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>Incorporada</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>Os anexos só são salvos como cópias; o Dovrix nunca os abre nem os executa.</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>Anexos</translation>
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
        <translation>Assunto</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Palavras-chave</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>Criador</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>Produtor do PDF</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Criado em</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Modificado em</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>Versão do PDF</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Tamanho da página</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Tamanho do arquivo</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Criptografia</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>impressão</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>cópia de texto</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>alteração</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>anotação</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>preenchimento de formulários</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>Permissões declaradas</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>Permitido: %1
Não permitido: %2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>Marcado</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>Scripts</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>O documento contém JavaScript; o Dovrix não o executa.</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>Anexos (%1)</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>Salvar uma cópia do anexo</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>O anexo está danificado e não pode ser lido.</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>Cópia salva:
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>Não foi possível salvar o anexo: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>Novo documento</translation>
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
        <translation>Exportação concluída</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>Exportado para:
%1

O arquivo de origem não foi modificado.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>Exportar página atual como PNG</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Falha na exportação</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>Falha ao renderizar a página. Tente novamente.</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>Exportar texto completo (ordem de leitura)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>Resumo de anotações</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>O documento atual não tem anotações.</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>Exportar resumo de anotações</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>Exportar PDF com anotações</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>Exportando PDF com anotações…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>Exportado para:
%1

O arquivo de origem não foi modificado. As anotações foram incorporadas à cópia e aparecem no Adobe/WPS/navegador.
(A cópia é um PDF achatado, renderizado página a página: mesma aparência, mas o texto não pode mais ser selecionado)</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>Imprimindo…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>Páginas enviadas à impressora: %1.</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>Falha ao renderizar uma página; impressão cancelada.</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>Não foi possível iniciar o trabalho de impressão.</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>Exportando o texto na ordem de leitura…
Página %1 de %2</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>Exportar uma cópia achatada (imagens)</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>Imprimir para um ficheiro PDF</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>Anotações e escala</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>Com anotações</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>Ajustar ao papel</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Tamanho real</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>Exportado para:
%1

O ficheiro de origem não foi modificado. As anotações estão na cópia como anotações PDF padrão, visíveis também noutros leitores; o texto, as ligações e o índice são mantidos.</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>O serviço de impressão não aceitou o trabalho: %1
Nada se perdeu; tente de novo ou imprima para um ficheiro.</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>Não é possível ler o ficheiro de origem: %1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>Não é possível escrever %1:
%2

Não ficou nenhum ficheiro incompleto; o ficheiro de origem não foi modificado.</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>Nenhum serviço de impressão (CUPS) encontrado.
Imprimir o documento para um ficheiro PDF em vez disso?</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>Campo de assinatura (apenas exibido)</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>Os scripts deste formulário não são executados: campos que o documento calcularia ou formataria mantêm o que você digitou.</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>Campos de assinatura são apenas exibidos; o Dovrix não assina documentos.</translation>
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
        <translation>Voltar (histórico de visualização)</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>Avançar (histórico de visualização)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>Abrir PDF (uma aba por documento)</translation>
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
        <translation>Exportar para um novo arquivo (o arquivo de origem não é alterado)</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>Página atual como imagem (PNG 300 DPI)…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>Texto completo (TXT, ordem de leitura)…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>Resumo de anotações (TXT)…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>PDF com anotações (cópia)…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>Incorpora as anotações atuais em um novo PDF, visível no Adobe/WPS; o arquivo de origem não é alterado</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Anotações</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>Modo de anotação (A): realce / sublinhado / tachado / nota / retângulo / seta</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>Girar 90°</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>Girar 90° temporariamente (somente nesta visualização)</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>Pesquisar no documento · Ctrl+F</translation>
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
        <translation>Escuro</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>Meia-noite</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>Alto contraste</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>Alterar idioma da interface</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>Abrir o site do Dovrix</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>Abra um PDF para começar a ler. O Dovrix é um visualizador somente leitura e não modifica o arquivo de origem.
Vários documentos podem ser abertos ao mesmo tempo (em abas).</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>Abrir PDF…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>Arquivos recentes</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>Limpar recentes</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>O arquivo de origem foi modificado externamente. Recarregue para ver o conteúdo mais recente.</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Recarregar</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix — um leitor rápido como um raio</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Reduzir zoom</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Ampliar zoom</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Ajustar à largura</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>Alternar página única / rolagem contínua</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>Fechar documento</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>Próxima aba</translation>
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
        <translation>Próximo resultado da pesquisa</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>Resultado anterior da pesquisa</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>Copiar texto selecionado</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>Modo de página única</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>Girar 90° temporariamente</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>Ajustar à página</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>Tamanho real (100%)</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>Modo de anotação</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>Abrir PDF</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>Documentos PDF (*.pdf);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Falha ao abrir</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>O arquivo não existe ou não pode ser acessado.</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● As anotações não correspondem ao conteúdo atual do documento; as ancoradas a retângulos podem se deslocar</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Miniaturas</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Sumário</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Pesquisa</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>Abrindo o documento…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>Senha incorreta, tente novamente</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>Este documento está criptografado</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>Digite a senha de abertura (o Dovrix não quebra senhas nem remove permissões):</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● Arquivo de origem modificado externamente</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● Somente leitura: hash do arquivo de origem inalterado</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256: %1
O Dovrix não modifica o arquivo de origem.</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● Modo privado: ativado</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>Modo privado: desativado</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>Modo privado: não grava arquivos recentes nem cache de miniaturas</translation>
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
        <translation>(Esta página é uma imagem digitalizada, sem camada de texto)</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>(Parte do texto desta página pode não ser confiável)</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>Realce (H)</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>Sublinhado (U)</translation>
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
        <translation>Retângulo (B)</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>Seta (L)</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>Ir para a página…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>Digite um número ou rótulo de página e pressione Enter (Ctrl+G)</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>OCR offline em andamento…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>OCR offline em andamento: %1/%2 páginas concluídas, faltam cerca de %3 s…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>(A seguir, texto reconhecido por OCR)</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>Tela cheia · F11 ou Esc para sair</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>Alternar cores da página</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>Exibição em duas páginas</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>Primeira página sozinha</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>Duas páginas</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>Duas páginas lado a lado (D)</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>Cores da página</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>Cores da página (Ctrl+Alt+N): o modo noturno inverte claro e escuro e mantém os matizes</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>Noturno</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>Sépia</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Seguir o tema</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>O nome do arquivo contém caracteres que não podem ser reconhecidos, por isso o programa não consegue ler o arquivo. Renomeie o arquivo e abra-o novamente.</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>Cópia achatada (imagens)…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>PNG com as minhas anotações</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>Propriedades do documento…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>Redefinir formulário</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>Nenhum navegador conseguiu abrir a página. Página do Dovrix: %1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>Reconhecer texto (OCR)</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>Esta página</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>Todas as páginas sem texto</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>Ao abrir um documento, aqui aparecem
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
        <translation>OCR concluído: %1 página(s)</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>Falha no OCR da página %1: %2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR indisponível</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>Procurando páginas sem texto…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>Todas as páginas têm texto; nada a reconhecer</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>Esta página não tem camada de texto · %1 reconhece o texto</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>OCR da página %1 concluído: %2 linha(s) de texto reconhecida(s)</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>Falha ao renderizar a página</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>Falha ao inicializar o mecanismo de OCR</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>Mecanismo de OCR indisponível</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>Falha ao inicializar o OCR: %1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>Modelo de detecção não encontrado: %1 (%2)</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>Modelo de reconhecimento não encontrado: %1 (%2)</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>O modelo de reconhecimento não tem o dicionário incorporado (metadado character).</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>O onnxruntime.dll não exporta OrtGetApiBase.</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>Versão da API do onnxruntime incompatível (é necessário OrtApi v%1).</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>Não foi possível carregar o onnxruntime.dll; OCR indisponível. Tentativas: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>Girado %1° temporariamente (somente nesta visualização)</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>Nenhum sintetizador de voz está instalado (por exemplo, o plugin flite do Qt Speech).</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>O sintetizador de voz não pode ser usado: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>Nenhum resultado. Se o documento for uma imagem digitalizada (sem camada de texto), a pesquisa e a cópia funcionam após o OCR.</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>Aplicar OCR a este documento…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>Digite uma palavra-chave para pesquisar (Ctrl+F)</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>“%1”: nenhuma ocorrência</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>Pesquisando “%1”…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>“%1”: nenhuma ocorrência.</translation>
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
        <translation>(texto ainda não carregado)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>Página %1%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>“%1”: %n ocorrência</numerusform>
            <numerusform>“%1”: %n ocorrências</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>Pesquisando “%1”… %2 de %3 páginas pesquisadas, %n ocorrência até agora</numerusform>
            <numerusform>Pesquisando “%1”… %2 de %3 páginas pesquisadas, %n ocorrências até agora</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>A janela do Dovrix em execução aceita no máximo %1 arquivos de uma vez; nenhum arquivo foi aberto.</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix — visualizador de PDF somente leitura: offline, sem telemetria, nunca modifica o arquivo original.</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>O arquivo PDF a abrir.</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>Reconhecer o texto desta página assim que o documento abrir (para depuração e execuções automáticas).</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>Abrir nesta página: um número contado a partir de 1 ou o rótulo de página do próprio documento (como iv).</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>Pesquisar este texto ao abrir e ir para a primeira ocorrência.</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>Pesquisa direta SyncTeX: rolar até onde esta linha do código TeX foi composta e marcá-la brevemente.</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>O mecanismo que abre os arquivos PDF: mupdf (padrão) ou qtpdf (para comparações e relatórios de erros).</translation>
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
        <translation>Leitura em voz alta concluída</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>Marcadores, leitura em voz alta e SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>Adicionar marcador</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>Renomear marcador</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>Excluir marcador</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>Leitura em voz alta</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>Ler em voz alta a partir desta página</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>Parar a leitura</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>Comando do editor para a pesquisa inversa…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>Nenhum comando de editor definido para a pesquisa inversa (Ferramentas → Comando do editor para a pesquisa inversa…)</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>Os dados do SyncTeX não têm posição para a linha %2 de %1</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>Não há arquivo SyncTeX ao lado deste documento (.synctex.gz ou .synctex)</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>O arquivo SyncTeX está danificado e não pode ser lido</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>O arquivo SyncTeX vem de outra compilação deste PDF; compile novamente</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>Nenhuma posição do código-fonte corresponde a este local</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>Não é possível iniciar o editor: %1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>%1 aberto na linha %2 no editor</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>Comando do editor para a pesquisa inversa</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>Comando executado com Ctrl+clique numa página (%f arquivo, %l linha, %c coluna), por exemplo: editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>Marcador “%1” adicionado</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>Nome do marcador:</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>Retomar a leitura</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>Pausar a leitura</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>O arquivo SyncTeX descompactado excede %1 MB; foi recusado sem ser lido</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>O arquivo SyncTeX travou o leitor ou esgotou sua memória; foi recusado</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>A leitura do arquivo SyncTeX demorou demais; foi recusado</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>O nome do arquivo-fonte no arquivo SyncTeX contém uma quebra de linha ou um caractere NUL; não foi passado ao editor</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>Há caracteres que não puderam ser mapeados (talvez falte a tabela ToUnicode)</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>Espaços entre palavras deduzidos pela geometria; o texto pode estar fragmentado</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>Área de cabeçalho/rodapé</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>Caracteres copiados: %1</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Ajustar à largura</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>Contínuo</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>Página única</translation>
    </message>
</context>
</TS>
